#include "naming/template/field_kinds.h"

#include <QStringList>

// match and zone: a value found by a pattern, or by where its words stand on a page.

namespace corvander {

std::optional<FieldResult> matchField(const Alternative& alternative,
                                      const PreparedDocument& document,
                                      const QRegularExpression& pattern) {
    if (!document.hasText())
        return std::nullopt;
    if (alternative.page && !document.pageSpan(*alternative.page))
        return std::nullopt;
    const QString pageOnly =
        alternative.page ? document.lineFeedPage(*alternative.page) : QString();
    const QString& text = alternative.page ? pageOnly : document.lineFeedText();
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // A group that took no part in the match gives the empty value, not a missing one: the
    // expression did match.
    QString value = pattern.captureCount() > 0 ? match.captured(1) : match.captured(0);
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString where =
        alternative.page
            ? pageText(document, *alternative.page)
            : QStringLiteral("page %1").arg(document.lineFeedPageAt(match.capturedStart()));
    return FieldResult{value, QStringLiteral("pattern match on ") + where};
}

std::optional<FieldResult> zoneField(const Alternative& alternative,
                                     const PreparedDocument& document) {
    const PageRef page = alternative.page.value_or(PageRef{});
    const PageWords* words = document.pageWords(page);
    if (words == nullptr)
        return std::nullopt;
    const ZoneRect& zone = alternative.zone;
    QStringList inside;
    for (const WordBox& word : words->words) {
        const double x = (word.xMin + word.xMax) / 2;
        const double y = (word.yMin + word.yMax) / 2;
        if (x >= zone.x && x <= zone.x + zone.width && y >= zone.y && y <= zone.y + zone.height)
            inside << word.text;
    }
    if (inside.isEmpty())
        return std::nullopt;
    return FieldResult{inside.join(QLatin1Char(' ')),
                       QStringLiteral("zone of page %1").arg(words->page)};
}

} // namespace corvander
