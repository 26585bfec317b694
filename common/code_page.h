#pragma once

#include <QString>

// The character range a name may hold: code points 32-126 and 160-255.
inline bool isNameCharacter(char32_t code) {
    return (code >= 32 && code <= 126) || (code >= 160 && code <= 255);
}

// Brings extractor output to one form, so that a letter written as base letter plus combining
// accent counts as the one precomposed letter.
QString toComposedForm(const QString& text);
