#pragma once

#include <QString>

namespace corvander {

// The text of Help, About Corvander: what the program is, its version and licence, and where the
// user's settings are kept.
QString aboutText(const QString& settingsFile);

} // namespace corvander
