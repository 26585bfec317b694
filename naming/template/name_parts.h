#pragma once

#include <QString>

namespace corvander {

// One folder part or the name of a template's result, cleaned on its own: the characters a file
// name cannot hold removed as rename by content removes them, then each run of blanks made one
// blank and the blanks at both ends removed.
QString cleanNamePart(const QString& text);

// True for a cleaned folder part that would not name a folder of its own ("", ".", "..").
bool isVoidFolderPart(const QString& part);

// The longest beginning of text whose UTF-8 form takes at most maxBytes bytes, cut between two
// characters (never inside a surrogate pair); the whole text when it fits.
QString cutToUtf8Bytes(const QString& text, int maxBytes);

} // namespace corvander
