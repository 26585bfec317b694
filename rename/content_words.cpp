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

QString pickFirstWords(const QString& text, int count) {
    if (count < 1)
        return {};
    // The same words as splitWords gives, without splitting a whole document to keep a few: the
    // pick ends at the blank after the count-th word, or at the end of the text.
    const QString words = trimBlanks(prepareText(text));
    if (words.isEmpty())
        return {};
    qsizetype end = -1;
    for (int word = 1; word <= count; ++word) {
        end = words.indexOf(QLatin1Char(' '), end + 1);
        if (end < 0) {
            if (word < count)
                return {};
            end = words.size();
        }
    }
    return trimBlanks(words.left(end));
}

QString pickListedWords(const QString& text, int count, const QString& wordList) {
    if (trimBlanks(wordList).isEmpty())
        return {};
    const QStringList elements = wordList.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QList<double> listed;
    for (const QString& element : elements) {
        if (const auto value = numberOf(element))
            listed.append(*value);
    }
    double upper = numberOf(elements.last()).value_or(0.0);

    const QStringList words = splitWords(text);
    if (words.size() < count)
        return {};
    upper = std::min(upper, double(words.size()));

    QStringList picked;
    for (qint64 w = std::max(count, 1); double(w) <= upper; ++w) {
        if (listed.contains(double(w)))
            picked.append(words.at(w - 1));
    }
    return trimBlanks(picked.join(QLatin1Char(' ')));
}

QString pickAroundSearch(const QString& text, int count, const QString& searchText, bool after,
                         const QString& ownBaseName) {
    if (searchText.isEmpty())
        return {};
    const QString prepared = prepareText(text);
    const qsizetype at = prepared.indexOf(searchText, 0, Qt::CaseInsensitive);
    QString kept;
    if (at >= 0)
        kept = after ? prepared.mid(at + searchText.size()) : prepared.left(at);
    if (kept.isEmpty())
        return ownBaseName;

    const QStringList words = splitWords(kept);
    if (words.size() < count || count < 1)
        return {};
    return after ? joinWords(words, 0, count) : joinWords(words, words.size() - count, count);
}
