#pragma once

#include <QString>

namespace corvander {

// The texts of the three help buttons.
QString generalHelpText();
// Built around two entries of the mode list, as the list shows them.
QString contentHelpText(const QString& firstWordsMode, const QString& wordNumbersMode);
QString metadataHelpText();

} // namespace corvander
