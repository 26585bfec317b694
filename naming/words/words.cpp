#include "naming/words/words.h"

#include <algorithm>

namespace corvander {

namespace {

// Blanks (code 32 only) off both ends: tabs and other white space are part of a word.
QString withoutOuterBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isWordBlank(text.at(first)))
        ++first;
    while (last > first && isWordBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

QString joinWords(const QStringList& words, qsizetype from, qsizetype count) {
    return withoutOuterBlanks(words.mid(from, count).join(QLatin1Char(' ')));
}

} // namespace

QString prepareText(const QString& text) {
    QString prepared = text;
    prepared.remove(QLatin1Char('\n'));
    prepared.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return prepared;
}

QStringList splitWords(const QString& text) {
    const QString trimmed = withoutOuterBlanks(prepareText(text));
    if (trimmed.isEmpty())
        return {};
    return trimmed.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

qsizetype findSearchText(const QString& prepared, const QString& searchText, qsizetype from) {
    return prepared.indexOf(searchText, from, Qt::CaseInsensitive);
}

WordPick firstWordsPick(const QString& text, int count) {
    WordPick pick;
    // The same words as splitWords gives, without splitting a whole document to keep a few: the
    // pick ends at the blank after the count-th word, or at the end of the text.
    const QString words = withoutOuterBlanks(prepareText(text));
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
    pick.text = withoutOuterBlanks(words.left(end));
    for (int w = 1; w <= count; ++w)
        pick.wordNumbers << w;
    return pick;
}

WordPick aroundSearchPick(const QString& text, int count, const QString& searchText, bool after,
                          const QString& ownBaseName) {
    WordPick pick;
    if (searchText.isEmpty())
        return pick;
    const QString prepared = prepareText(text);
    pick.hitOffset = findSearchText(prepared, searchText);
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

QString pickAroundSearch(const QString& text, int count, const QString& searchText, bool after,
                         const QString& ownBaseName) {
    return aroundSearchPick(text, count, searchText, after, ownBaseName).text;
}

} // namespace corvander
