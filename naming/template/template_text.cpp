#include "naming/template/template_text.h"

#include <QStringList>

namespace corvander {

namespace {

constexpr char16_t kFormFeed = u'\f';

bool isLineEndAt(QStringView text, qsizetype at) {
    const QChar character = text.at(at);
    return character == QLatin1Char('\n') || character == kFormFeed ||
           (character == QLatin1Char('\r') && at + 1 < text.size() &&
            text.at(at + 1) == QLatin1Char('\n'));
}

} // namespace

bool isTemplateSpace(QChar character) {
    switch (character.unicode()) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'\f':
    case u'\u00A0':
    case u'\u202F':
        return true;
    default:
        return false;
    }
}

QList<TextSpan> pageSpans(QStringView text) {
    QList<TextSpan> pages;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(kFormFeed); at >= 0; at = text.indexOf(kFormFeed, start)) {
        pages.append({start, at});
        start = at + 1;
    }
    if (start < text.size())
        pages.append({start, text.size()});
    return pages;
}

QList<TextSpan> wordsIn(QStringView text, TextSpan span, qsizetype limit) {
    QList<TextSpan> words;
    qsizetype at = span.start;
    while (at < span.end && (limit < 0 || words.size() < limit)) {
        while (at < span.end && isTemplateSpace(text.at(at)))
            ++at;
        if (at == span.end)
            break;
        const qsizetype start = at;
        while (at < span.end && !isTemplateSpace(text.at(at)))
            ++at;
        words.append({start, at});
    }
    return words;
}

QList<TextSpan> wordsBefore(QStringView text, qsizetype at, int count) {
    QList<TextSpan> words;
    while (at > 0 && words.size() < count) {
        while (at > 0 && isTemplateSpace(text.at(at - 1)))
            --at;
        if (at == 0)
            break;
        const qsizetype end = at;
        while (at > 0 && !isTemplateSpace(text.at(at - 1)))
            --at;
        words.prepend({at, end});
    }
    return words;
}

qsizetype countWords(QStringView text, qsizetype limit) {
    return wordsIn(text, {0, text.size()}, limit).size();
}

QString joinedWords(QStringView text, const QList<TextSpan>& words) {
    QStringList parts;
    parts.reserve(words.size());
    for (const TextSpan& word : words)
        parts << text.mid(word.start, word.end - word.start).toString();
    return parts.join(QLatin1Char(' '));
}

QString lineFeedForm(QStringView text) {
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar character = text.at(at);
        if (character == QLatin1Char('\r') && at + 1 < text.size() &&
            text.at(at + 1) == QLatin1Char('\n')) {
            out += QLatin1Char('\n');
            at += 2;
            // The page's form feed right after its last line's CR LF ends no further line.
            if (at < text.size() && text.at(at) == kFormFeed)
                ++at;
        } else {
            out += character == kFormFeed ? QChar(u'\n') : character;
            ++at;
        }
    }
    return out;
}

qsizetype lineEndFrom(QStringView text, qsizetype at) {
    while (at < text.size() && !isLineEndAt(text, at))
        ++at;
    return at;
}

QRegularExpression searchExpression(const QString& searchText) {
    QStringList pieces;
    QString piece;
    bool inSpace = false;
    for (const QChar character : searchText) {
        const bool space = isTemplateSpace(character);
        if (space && !inSpace) {
            pieces << piece;
            piece.clear();
        }
        inSpace = space;
        if (!space)
            piece += character;
    }
    pieces << piece;
    // Each run of white space of the search text stands between two pieces (an empty first or
    // last piece when the text begins or ends with one).
    QStringList escaped;
    for (const QString& each : std::as_const(pieces))
        escaped << QRegularExpression::escape(each);
    const QString pattern = escaped.join(QStringLiteral("[ \\t\\r\\n\\f\\x{00A0}\\x{202F}]+"));
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

} // namespace corvander
