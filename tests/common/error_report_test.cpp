#include "common/app_title.h"
#include "common/error_report.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace corvander {

TEST(ErrorReport, TextNamesProcedureAndLineExactly) {
    EXPECT_EQ(errorReportText(QStringLiteral("File not found"), QString::fromLatin1(kMainStamp),
                              QStringLiteral("Form1.PushButton2_Click"), 104),
              QStringLiteral("File not found\r\nin Quarnex2021/08/31.Form1.PushButton2_Click at "
                             "line 104\r\rPlease email screenshot of this message to ") +
                  QString::fromLatin1(kSupportAddress));
}

TEST(ErrorReport, FailedStepIsReportedAndTheProcedureGoesOn) {
    ScriptedDialogs dialogs;
    QStringList ran;
    TrappedProcedure proc(dialogs, QStringLiteral("AddFolder.GetSubDirectories2016"),
                          QString::fromLatin1(kFolderStamp));
    proc.step([&] { ran << QStringLiteral("100"); });
    proc.step([&] { raiseError(QStringLiteral("Path not found")); });
    proc.step([&] { ran << QStringLiteral("104"); });
    proc.at(116, [&] { throw std::runtime_error("Overflow"); });
    proc.step([&] { ran << QStringLiteral("118"); });

    EXPECT_EQ(ran,
              (QStringList{QStringLiteral("100"), QStringLiteral("104"), QStringLiteral("118")}));
    ASSERT_EQ(dialogs.warnings().size(), 2);
    EXPECT_EQ(dialogs.shown().at(0).title, QStringLiteral("Application Error"));
    EXPECT_TRUE(dialogs.warnings().at(0).startsWith(
        QStringLiteral("Path not found\r\nin Tolvane2021/08/31.AddFolder.GetSubDirectories2016 "
                       "at line 102\r\r")));
    EXPECT_TRUE(dialogs.warnings().at(1).startsWith(QStringLiteral("Overflow\r\n")));
    EXPECT_TRUE(dialogs.warnings().at(1).contains(QStringLiteral(" at line 116\r\r")));
    EXPECT_EQ(proc.reportCount(), 2);
}

TEST(ApplicationTitle, LongNamesLoseWordsFromTheEnd) {
    EXPECT_EQ(shortenedTitle(QStringLiteral("Corvander")), QStringLiteral("Corvander"));
    const QString exactly40 = QString(40, QLatin1Char('a'));
    EXPECT_EQ(shortenedTitle(exactly40), exactly40);
    EXPECT_EQ(shortenedTitle(QStringLiteral("Corvander the bulk PDF renamer for offices and "
                                            "archives")),
              QStringLiteral("Corvander the bulk PDF renamer for"));
}

} // namespace corvander
