#pragma once

#include <QString>
#include <cstdint>

namespace corvander {

// Text conversions with the rules the stored settings and the prompts were written for.
// Each raises an AppError ("Type mismatch", "Overflow") where the text does not convert.

// A decimal number: optional sign, digits with an optional "." part, an optional exponent,
// blanks around it.
bool isNumeric(const QString& text);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

std::int16_t toInt16(const QString& text);
std::int32_t toInt32(const QString& text);
// "True"/"False" in any letter case, or a number (zero false, anything else true).
bool toBoolean(const QString& text);
QString booleanText(bool value);

} // namespace corvander
