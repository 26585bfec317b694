#include "tests/support/window_fixture.h"

#include <QPushButton>

namespace corvander {

using HelpButtons = WindowTest;

TEST_F(HelpButtons, ShowTheirTextsByteForByteUnderTheApplicationTitle) {
    load();
    ui.PushButton7->click();
    ui.PushButton8->click();
    ui.PushButton9->click();

    const QStringList expected = {
        QStringLiteral("This program will:\r\rread text from a PDF. This text is usually typed "
                       "into the PDF using the keyboard.\r\rThis program will not:\r\rread text "
                       "that is inside an image. Even though the image is embedded within a PDF "
                       "file, it is still an image and \"unreadable\".\r\rWith Options > \"Read "
                       "scanned pages with OCR\" turned on, it reads the text of scanned pages "
                       "by OCR."),
        QStringLiteral("Rename by content:\r\n\r\nRename by the first x word(s) - if you enter 5, "
                       "this software will rename each file by the first 5 words found on the "
                       "first page.\r\n\r\nRename by x1, x2, x3 word(s) on first page - if you "
                       "enter 11, 12, 13 then the 11th, 12th and 13th word in the first page will "
                       "be used to rename the file."),
        QStringLiteral("Rename by metadata:\r\n\r\n%a - Author\r\n%t - Title\r\n%s - Subject\r\n"
                       "%c - Creator\r\n%p - Producer\r\n%k - Keywords\r\n%d - Date Created\r\n"
                       "%m - Date Modified\r\n%v - PDF Version\r\n%g - Pages"),
    };
    EXPECT_EQ(dialogs.messages(), expected);
    for (const auto& shown : dialogs.shown())
        EXPECT_EQ(shown.title, QStringLiteral("Corvander"));
}

} // namespace corvander
