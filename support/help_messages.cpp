#include "support/help_messages.h"

#include <QStringList>

namespace corvander {

QString generalHelpText() {
    const QString cr = QStringLiteral("\r");
    return QStringLiteral("This program will:") + cr + cr +
           QStringLiteral("read text from a PDF. This text is usually typed into the PDF using the "
                          "keyboard.") +
           cr + cr + QStringLiteral("This program will not:") + cr + cr +
           QStringLiteral("read text that is inside an image. Even though the image is embedded "
                          "within a PDF file, it is still an image and \"unreadable\".") +
           cr + cr +
           QStringLiteral("With Options > \"Read scanned pages with OCR\" turned on, it reads the "
                          "text of scanned pages by OCR.");
}

QString contentHelpText(const QString& firstWordsMode, const QString& wordNumbersMode) {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Rename by content:") + crlf + crlf + firstWordsMode +
           QStringLiteral(" - if you enter 5, this software will rename each file by the first 5 "
                          "words found on the first page.") +
           crlf + crlf + wordNumbersMode +
           QStringLiteral(" - if you enter 11, 12, 13 then the 11th, 12th and 13th word in the "
                          "first page will be used to rename the file.");
}

QString metadataHelpText() {
    const QStringList lines = {
        QStringLiteral("%a - Author"),       QStringLiteral("%t - Title"),
        QStringLiteral("%s - Subject"),      QStringLiteral("%c - Creator"),
        QStringLiteral("%p - Producer"),     QStringLiteral("%k - Keywords"),
        QStringLiteral("%d - Date Created"), QStringLiteral("%m - Date Modified"),
        QStringLiteral("%v - PDF Version"),  QStringLiteral("%g - Pages"),
    };
    return QStringLiteral("Rename by metadata:") + QStringLiteral("\r\n\r\n") +
           lines.join(QStringLiteral("\r\n"));
}

} // namespace corvander
