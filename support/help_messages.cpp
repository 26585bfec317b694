#include "support/help_messages.h"

#include <QCoreApplication>
#include <QStringList>

namespace corvander {

QString generalHelpText() {
    const QString cr = QStringLiteral("\r");
    return QCoreApplication::translate("corvander::HelpMessages", "This program will:") + cr + cr +
           QCoreApplication::translate(
               "corvander::HelpMessages",
               "read text from a PDF. This text is usually typed into the PDF using the "
               "keyboard.") +
           cr + cr +
           QCoreApplication::translate("corvander::HelpMessages", "This program will not:") + cr +
           cr +
           QCoreApplication::translate(
               "corvander::HelpMessages",
               "read text that is inside an image. Even though the image is embedded "
               "within a PDF file, it is still an image and \"unreadable\".") +
           cr + cr +
           QCoreApplication::translate("corvander::HelpMessages",
                                       "With Options > \"Read scanned pages with OCR\" turned on, "
                                       "it reads the text of scanned pages by OCR.");
}

QString contentHelpText(const QString& firstWordsMode, const QString& wordNumbersMode) {
    const QString crlf = QStringLiteral("\r\n");
    return QCoreApplication::translate("corvander::HelpMessages", "Rename by content:") + crlf +
           crlf + firstWordsMode +
           QCoreApplication::translate(
               "corvander::HelpMessages",
               " - if you enter 5, this software will rename each file by the first 5 "
               "words found on the first page.") +
           crlf + crlf + wordNumbersMode +
           QCoreApplication::translate(
               "corvander::HelpMessages",
               " - if you enter 11, 12, 13 then the 11th, 12th and 13th word in the "
               "first page will be used to rename the file.");
}

QString metadataHelpText() {
    const QStringList lines = {
        QCoreApplication::translate("corvander::HelpMessages", "%a - Author"),
        QCoreApplication::translate("corvander::HelpMessages", "%t - Title"),
        QCoreApplication::translate("corvander::HelpMessages", "%s - Subject"),
        QCoreApplication::translate("corvander::HelpMessages", "%c - Creator"),
        QCoreApplication::translate("corvander::HelpMessages", "%p - Producer"),
        QCoreApplication::translate("corvander::HelpMessages", "%k - Keywords"),
        QCoreApplication::translate("corvander::HelpMessages", "%d - Date Created"),
        QCoreApplication::translate("corvander::HelpMessages", "%m - Date Modified"),
        QCoreApplication::translate("corvander::HelpMessages", "%v - PDF Version"),
        QCoreApplication::translate("corvander::HelpMessages", "%g - Pages"),
    };
    return QCoreApplication::translate("corvander::HelpMessages", "Rename by metadata:") +
           QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n"));
}

} // namespace corvander
