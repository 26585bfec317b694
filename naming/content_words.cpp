#include "naming/content_words.h"

#include "common/text_helpers.h"
#include "common/vb_convert.h"

#include <algorithm>
#include <optional>

namespace corvander {

namespace {

std::optional<double> numberOf(const QString& element) {
    if (!isNumeric(element))
        return std::nullopt;
    return element.trimmed()
        .replace(QLatin1Char('d'), QLatin1Char('e'))
        .replace(QLatin1Char('D'), QLatin1Char('e'))
        .toDouble();
}

} // namespace

WordPick listedWordsPick(const QString& text, int count, const QString& wordList) {
    WordPick pick;
    if (trimBlanks(wordList).isEmpty())
        return pick;
    const QStringList elements = wordList.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QList<double> listed;
    for (const QString& element : elements) {
        if (const auto value = numberOf(element))
            listed.append(*value);
    }
    double upper = numberOf(elements.last()).value_or(0.0);

    const QStringList words = splitWords(text);
    pick.wordCount = int(words.size());
    if (words.size() < count)
        return pick;
    upper = std::min(upper, double(words.size()));

    QStringList picked;
    for (qint64 w = std::max(count, 1); double(w) <= upper; ++w) {
        if (listed.contains(double(w))) {
            picked.append(words.at(w - 1));
            pick.wordNumbers << int(w);
        }
    }
    pick.text = trimBlanks(picked.join(QLatin1Char(' ')));
    return pick;
}

QString pickListedWords(const QString& text, int count, const QString& wordList) {
    return listedWordsPick(text, count, wordList).text;
}

} // namespace corvander
