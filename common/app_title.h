#pragma once

#include <QString>

namespace corvander {

inline constexpr char kProductName[] = "Corvander";
// Both are chosen when the program is built (the CMake cache variables of the same names).
inline constexpr char kSupportAddress[] = CORVANDER_SUPPORT_ADDRESS;
// Empty when the build names none.
inline constexpr char kHomePage[] = CORVANDER_HOME_PAGE;

// The product name, shortened word by word from the end while it is longer than 40 characters.
QString shortenedTitle(const QString& name);

// The title of every box that names none of its own.
QString applicationTitle();
void setApplicationTitle(const QString& name = QString::fromLatin1(kProductName));

} // namespace corvander
