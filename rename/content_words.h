#pragma once

#include <QString>
#include <QStringList>

// The word rules of rename by content, as pure functions on the extracted text. Each picking
// function returns the name text, empty when the file is to be skipped.

// Line feeds removed, carriage returns turned into blanks.
QString prepareText(const QString& text);

// The prepared text, trimmed of blanks at both ends, split at every single blank. Doubled blanks
// give empty words, which count; tabs and form feeds stay inside their word. No text, no words.
QStringList splitWords(const QString& text);

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

// Mode 4: the word numbers listed in wordList ("10,11") that lie between count (the list's first
// number) and the list's last number, in text order, each once.
QString pickListedWords(const QString& text, int count, const QString& wordList);

// Modes 5 and 6: the count words after (or before) the first occurrence of searchText, found
// without regard to letter case. When nothing stands on that side of it, or it does not occur,
// the name is ownBaseName.
QString pickAroundSearch(const QString& text, int count, const QString& searchText, bool after,
                         const QString& ownBaseName);

// The same picks, telling what they took.
WordPick firstWordsPick(const QString& text, int count);
WordPick listedWordsPick(const QString& text, int count, const QString& wordList);
WordPick aroundSearchPick(const QString& text, int count, const QString& searchText, bool after,
                          const QString& ownBaseName);
