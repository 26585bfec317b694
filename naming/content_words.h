#pragma once

#include "naming/words/words.h"

#include <QString>

namespace corvander {

// The word rules of rename by content. What a word is, the first words and the words around a
// search text are shared with the extraction worker (naming/words/words.h); the listed word numbers
// of mode 4 read only one page and stay here.

// Mode 4: the word numbers listed in wordList ("10,11") that lie between count (the list's first
// number) and the list's last number, in text order, each once.
QString pickListedWords(const QString& text, int count, const QString& wordList);
WordPick listedWordsPick(const QString& text, int count, const QString& wordList);

} // namespace corvander
