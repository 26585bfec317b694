#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringView>

namespace corvander {

// How templates read a document's text: words, pages, lines and search texts.

// White space: blank, tab, CR, LF, form feed, no-break space U+00A0, narrow no-break space U+202F.
bool isTemplateSpace(QChar character);

// A stretch of a text, from start up to (not including) end.
struct TextSpan {
    qsizetype start = 0;
    qsizetype end = 0;

    bool operator==(const TextSpan&) const = default;
};

// The pages of a text, each without its form feed. Text after the last form feed is a page only
// when it holds something; an empty text has no pages.
QList<TextSpan> pageSpans(QStringView text);

// The words (longest runs of characters that are not white space) within `span`, at most `limit`
// of them when limit is not negative.
QList<TextSpan> wordsIn(QStringView text, TextSpan span, qsizetype limit = -1);

// The `count` words that end at or before `at`, in text order; fewer when fewer stand there.
QList<TextSpan> wordsBefore(QStringView text, qsizetype at, int count);

// How many words the text holds, counting no further than `limit` (negative: all). A text may
// stop early for a template that reads only words from its start once it holds enough of them.
qsizetype countWords(QStringView text, qsizetype limit = -1);

// The words' text joined by one blank.
QString joinedWords(QStringView text, const QList<TextSpan>& words);

// The text with each line end (CR LF, a form feed, or CR LF followed by a form feed) written as
// one line feed.
QString lineFeedForm(QStringView text);

// Where the line that holds `at` ends: the index of its CR LF or form feed (a lone line feed
// counts too), or the end of the text.
qsizetype lineEndFrom(QStringView text, qsizetype at);

// Finds a search text ignoring letter case, each run of white space in it matching any run of
// white space of the document, so that a label broken over two lines or written with a
// no-break space is still found.
QRegularExpression searchExpression(const QString& searchText);

} // namespace corvander
