#include "cli/output_fields.h"

#include "common/code_page.h"

namespace corvander {

namespace {

QByteArray hexEscape(uint code) {
    return QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0')).toLatin1();
}

} // namespace

QByteArray tsvField(const OutputField& field) {
    // ASCII is never part of a longer UTF-8 sequence, so it can be written out before the rest is
    // checked. No control character goes out raw: a name could move the cursor or change the
    // terminal's state, and a carriage return would hide the start of a line.
    QByteArray escaped;
    escaped.reserve(field.size());
    for (const char byte : field) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '\\')
            escaped += "\\\\";
        else if (byte == '\t')
            escaped += "\\t";
        else if (byte == '\n')
            escaped += "\\n";
        else if (code < 0x20 || code == 0x7f)
            escaped += hexEscape(code);
        else
            escaped += byte;
    }
    return escapeInvalidUtf8(escaped).toUtf8();
}

QByteArray jsonString(const OutputField& field) {
    // Once the bytes that are not UTF-8 are written out, only ASCII needs JSON's escapes; every
    // other byte belongs to a well-formed character and is copied.
    const QByteArray text = escapeInvalidUtf8(field).toUtf8();
    QByteArray json = "\"";
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '"')
            json += "\\\"";
        else if (byte == '\\')
            json += "\\\\";
        else if (byte == '\n')
            json += "\\n";
        else if (byte == '\t')
            json += "\\t";
        else if (byte == '\r')
            json += "\\r";
        else if (code < 0x20 || code == 0x7f)
            json += QStringLiteral("\\u%1").arg(uint(code), 4, 16, QLatin1Char('0')).toLatin1();
        else
            json += byte;
    }
    return json + '"';
}

QByteArray tsvLine(const QList<OutputField>& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += '\t';
        line += tsvField(fields.at(i));
    }
    return line + '\n';
}

QByteArray jsonLine(const QList<std::pair<const char*, OutputField>>& members) {
    QByteArray line = "{";
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (i > 0)
            line += ',';
        line += jsonString(members.at(i).first) + ':' + jsonString(members.at(i).second);
    }
    return line + "}\n";
}

QByteArray terminalSafe(const QString& text) {
    QByteArray safe;
    for (const char32_t code : text.toUcs4()) {
        if (code != '\n' && (code < 0x20 || (code >= 0x7f && code <= 0x9f)))
            safe += hexEscape(uint(code));
        else
            safe += QString::fromUcs4(&code, 1).toUtf8();
    }
    return safe;
}

} // namespace corvander
