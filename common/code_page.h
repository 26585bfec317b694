#pragma once

#include <QByteArray>
#include <QString>

namespace corvander {

// The system code page is UTF-8, which holds every character. A name may hold any character but
// controls (Cc), surrogates (Cs), private-use (Co) and unassigned ones (Cn), and line and
// paragraph separators (Zl, Zp).
bool isNameCharacter(char32_t code);

// True when the bytes are well-formed UTF-8 (an empty text is).
bool isValidUtf8(const QByteArray& bytes);

// The bytes as text, each byte that is not part of well-formed UTF-8 written as \xHH, so that a
// name the system cannot show as text can still be told to the user.
QString escapeInvalidUtf8(const QByteArray& bytes);

// Brings extractor output to one form, so that a letter written as base letter plus combining
// accent counts as the one precomposed letter.
QString toComposedForm(const QString& text);

} // namespace corvander
