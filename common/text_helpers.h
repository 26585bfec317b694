#pragma once

#include <QString>

namespace corvander {

// Removes blanks (spaces only) at both ends; tabs and other white space stay, unlike trimmed().
QString trimBlanks(const QString& text);

} // namespace corvander
