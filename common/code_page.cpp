#include "common/code_page.h"

#include <QStringDecoder>

namespace corvander {

bool isNameCharacter(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

namespace {

// The length of the UTF-8 sequence a lead byte opens; 0 for a byte no sequence starts with.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

QString escapeInvalidUtf8(const QByteArray& bytes) {
    QString text;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = sequenceLength(static_cast<unsigned char>(bytes.at(at)));
        const QByteArray sequence = length > 0 ? bytes.mid(at, length) : QByteArray();
        if (sequence.size() == length && length > 0 && isValidUtf8(sequence)) {
            text += QString::fromUtf8(sequence);
            at += length;
            continue;
        }
        text += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes.at(at)), 2, 16,
                                            QLatin1Char('0'));
        ++at;
    }
    return text;
}

QString toComposedForm(const QString& text) {
    return text.normalized(QString::NormalizationForm_C);
}

} // namespace corvander
