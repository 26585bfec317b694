#include "naming/words/extracted_text.h"

#include <QStringDecoder>

namespace corvander {

QString decodeExtractedText(const QByteArray& bytes) {
    // The decoder replaces every malformed sequence and carries on with the next byte.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return decoded.normalized(QString::NormalizationForm_C);
}

} // namespace corvander
