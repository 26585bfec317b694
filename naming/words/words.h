#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace corvander {

// The word rules of rename by content, as pure functions on the extracted text: what a word is,
// what the prepared text is and where a search text is found. The program and its extraction
// worker both link them, so that the worker's reading stops exactly where these rules say the
// text has what a name needs. Each picking function returns the name text, empty when the file
// is to be skipped.

// Line feeds removed, carriage returns turned into blanks.
QString prepareText(const QString& text);

// The prepared text, trimmed of blanks at both ends, split at every single blank. Doubled blanks
// give empty words, which count; tabs and form feeds stay inside their word. No text, no words.
QStringList splitWords(const QString& text);

// Whether a character of the prepared text separates words: the blank (code 32) alone.
inline bool isWordBlank(QChar character) {
    return character == QLatin1Char(' ');
}

// The first occurrence of searchText in the prepared text from `from` on, found without regard to
// letter case; -1 when there is none.
qsizetype findSearchText(const QString& prepared, const QString& searchText, qsizetype from = 0);

// What a pick took from the text, for telling the user where a name came from.
struct WordPick {
    QString text;           // the name text; empty when the file is skipped
    QList<int> wordNumbers; // the picked words, numbered in the words they were picked from
    int wordCount = 0;      // words there were to pick from, counted as far as the pick needed
    // Modes 5 and 6: where the search text was found in the prepared text (-1: not found), and
    // whether the file's own name stands in because nothing stood on that side of it.
    qsizetype hitOffset = -1;
    bool ownName = false;
};

// Modes 0 to 3: words 1 to count, or nothing when the text has fewer words.
QString pickFirstWords(const QString& text, int count);

// Modes 5 and 6: the count words after (or before) the first occurrence of searchText, found
// without regard to letter case. When nothing stands on that side of it, or it does not occur,
// the name is ownBaseName.
QString pickAroundSearch(const QString& text, int count, const QString& searchText, bool after,
                         const QString& ownBaseName);

// The same picks, telling what they took.
WordPick firstWordsPick(const QString& text, int count);
WordPick aroundSearchPick(const QString& text, int count, const QString& searchText, bool after,
                          const QString& ownBaseName);

} // namespace corvander
