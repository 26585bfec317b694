#pragma once

#include <QString>

// Removes blanks (spaces only) at both ends; tabs and other white space stay, unlike trimmed().
QString trimBlanks(const QString& text);
