#include "tests/support/pdf_syntax.h"

namespace corvander::pdf_syntax {

// A literal string of these bytes, the delimiters escaped and control bytes as octal.
QByteArray literalBytes(const QByteArray& bytes) {
    QByteArray out("(");
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '(' || byte == ')' || byte == '\\') {
            out += '\\';
            out += char(byte);
        } else if (byte < 32 || byte == 127) {
            out += QByteArray("\\") + QByteArray::number(byte, 8).rightJustified(3, '0');
        } else {
            out += char(byte);
        }
    }
    out += ')';
    return out;
}

// A literal string: Latin-1 bytes.
QByteArray literalString(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        bytes += char(code <= 0xFF ? code : '?');
    }
    return literalBytes(bytes);
}

bool isPlainAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() >= 127)
            return false;
    }
    return true;
}

// An information string: plain ASCII as a literal, anything else as UTF-16BE with its byte
// order mark, which every reader decodes the same way.
QByteArray textString(const QString& text) {
    if (isPlainAscii(text))
        return literalString(text);
    QByteArray hex("<FEFF");
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    hex += '>';
    return hex;
}

// The bytes textString() writes, before they are written.
QByteArray textStringBytes(const QString& text) {
    if (isPlainAscii(text))
        return text.toLatin1();
    QByteArray bytes("\xFE\xFF");
    for (const QChar c : text) {
        bytes += char(c.unicode() >> 8);
        bytes += char(c.unicode() & 0xFF);
    }
    return bytes;
}

QByteArray stream(const QByteArray& dictionaryEntries, const QByteArray& data) {
    return "<< " + dictionaryEntries + " /Length " + QByteArray::number(data.size()) +
           " >>\nstream\n" + data + "\nendstream";
}

QByteArray textContent(const QStringList& lines) {
    QByteArray content("BT\n/F1 12 Tf\n14 TL\n72 720 Td\n");
    for (const QString& line : lines)
        content += literalString(line) + " Tj T*\n";
    content += "ET";
    return content;
}

QByteArray reference(int number) {
    return QByteArray::number(number) + " 0 R";
}

QByteArray boxEntry(const char* name, const QList<double>& box) {
    QByteArray out = QByteArray(" /") + name + " [";
    for (qsizetype i = 0; i < box.size(); ++i)
        out += (i > 0 ? " " : "") + QByteArray::number(box[i]);
    return out + "]";
}

} // namespace corvander::pdf_syntax
