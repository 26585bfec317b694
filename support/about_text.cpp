#include "support/about_text.h"

#include <QCoreApplication>

#include "common/app_title.h"

namespace corvander {

QString aboutText(const QString& settingsFile) {
    // The extraction worker links the Poppler library, which is under the GPL, so the program as
    // a whole is too.
    return QString::fromLatin1(kProductName) + QLatin1Char(' ') +
           QStringLiteral(CORVANDER_VERSION) +
           QCoreApplication::translate(
               "corvander::AboutText",
               "\r\n\r\n"
               "Copies many PDF files at once under new names taken from each file's "
               "own text or document information. The files themselves are never "
               "changed.\r\n\r\n"
               "Licence: GNU General Public License, version 3 or (at your option) any "
               "later version. Corvander reads PDF files with the Poppler library. It "
               "comes with ABSOLUTELY NO WARRANTY.\r\n\r\n"
               "Settings file: %1 (section [Corvander])")
               .arg(settingsFile);
}

} // namespace corvander
