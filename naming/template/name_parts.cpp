#include "naming/template/name_parts.h"

#include "naming/clean_name.h"

namespace corvander {

QString cleanNamePart(const QString& text) {
    const QString cleaned = CleanName(text, false);
    QString out;
    out.reserve(cleaned.size());
    for (const QChar character : cleaned) {
        const bool blank = character == QLatin1Char(' ');
        if (blank && (out.isEmpty() || out.endsWith(QLatin1Char(' '))))
            continue;
        out += character;
    }
    if (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    return out;
}

bool isVoidFolderPart(const QString& part) {
    return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
}

QString cutToUtf8Bytes(const QString& text, int maxBytes) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char32_t code =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                : text.at(i).unicode();
        const int width = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (bytes + width > maxBytes)
            break;
        bytes += width;
        i += code >= 0x10000 ? 2 : 1;
    }
    return text.left(i);
}

} // namespace corvander
