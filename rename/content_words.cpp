#include "rename/content_words.h"

#include "common/text_helpers.h"
#include "common/vb_convert.h"

#include <QSet>
#include <algorithm>
#include <optional>

namespace {

QString joinWords(const QStringList& words, qsizetype from, qsizetype count) {
    return trimBlanks(words.mid(from, count).join(QLatin1Char(' ')));
}

std::optional<double> numberOf(const QString& element) {
    if (!isNumeric(element))
        return std::nullopt;
    return element.trimmed()
        .replace(QLatin1Char('d'), QLatin1Char('e'))
        .replace(QLatin1Char('D'), QLatin1Char('e'))
        .toDouble();
}

} // namespace

QString prepareText(const QString& text) {
    QString prepared = text;
    prepared.remove(QLatin1Char('\n'));
    prepared.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return prepared;
}

QStringList splitWords(const QString& text) {
    const QString trimmed = trimBlanks(prepareText(text));
    if (trimmed.isEmpty())
        return {};
    return trimmed.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

WordPick firstWordsPick(const QString& text, int count) {
    WordPick pick;
    // The same words as splitWords gives, without splitting a whole document to keep a few: the
    // pick ends at the blank after the count-th word, or at the end of the text.
    const QString words = trimBlanks(prepareText(text));
    if (words.isEmpty())
        return pick;
    qsizetype end = -1;
    for (int word = 1; word <= std::max(count, 1); ++word) {
        end = words.indexOf(QLatin1Char(' '), end + 1);
        pick.wordCount = word;
        if (end < 0) {
            if (word < count)
                return pick;
            end = words.size();
            break;
        }
    }
    if (count < 1)
        return pick;
    pick.text = trimBlanks(words.left(end));
    for (int w = 1; w <= count; ++w)
        pick.wordNumbers << w;
    return pick;
}

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

WordPick aroundSearchPick(const QString& text, int count, const QString& searchText, bool after,
                          const QString& ownBaseName) {
    WordPick pick;
    if (searchText.isEmpty())
        return pick;
    const QString prepared = prepareText(text);
    pick.hitOffset = prepared.indexOf(searchText, 0, Qt::CaseInsensitive);
    QString kept;
    if (pick.hitOffset >= 0)
        kept = after ? prepared.mid(pick.hitOffset + searchText.size())
                     : prepared.left(pick.hitOffset);
    if (kept.isEmpty()) {
        pick.text = ownBaseName;
        pick.ownName = true;
        return pick;
    }

    const QStringList words = splitWords(kept);
    pick.wordCount = int(words.size());
    if (words.size() < count || count < 1)
        return pick;
    const qsizetype from = after ? 0 : words.size() - count;
    pick.text = joinWords(words, from, count);
    for (qsizetype w = from + 1; w <= from + count; ++w)
        pick.wordNumbers << int(w);
    return pick;
}

QString pickFirstWords(const QString& text, int count) {
    return firstWordsPick(text, count).text;
}

QString pickListedWords(const QString& text, int count, const QString& wordList) {
    return listedWordsPick(text, count, wordList).text;
}

QString pickAroundSearch(const QString& text, int count, const QString& searchText, bool after,
                         const QString& ownBaseName) {
    return aroundSearchPick(text, count, searchText, after, ownBaseName).text;
}
