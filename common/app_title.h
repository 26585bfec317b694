#pragma once

#include <QString>

inline constexpr char kProductName[] = "Corvander";
inline constexpr char kSupportAddress[] = "support@corvander.example.org";
inline constexpr char kHomePage[] = "https://corvander.example.org/";

// The product name, shortened word by word from the end while it is longer than 40 characters.
QString shortenedTitle(const QString& name);

// The title of every box that names none of its own.
QString applicationTitle();
void setApplicationTitle(const QString& name = QString::fromLatin1(kProductName));
