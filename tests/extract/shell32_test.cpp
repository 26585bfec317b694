#include "support/shell32.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>

namespace corvander {

namespace {

TEST(ShellOpen, MissingPathIsFileNotFound) {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    try {
        ShellOpen(dialogs, dir.filePath(QStringLiteral("missing.pdf")));
        FAIL() << "a missing path must fail";
    } catch (const ShellError& error) {
        EXPECT_EQ(error.code(), 2);
        EXPECT_EQ(error.number(), 53);
        EXPECT_EQ(error.message(), QStringLiteral("File not found"));
        EXPECT_EQ(error.source(), QStringLiteral("test_extract.GShell"));
    }
    EXPECT_TRUE(dialogs.shown().isEmpty()) << "nothing is handed to the desktop";
}

TEST(ShellOpen, FileNobodyOpensIsNoAssociation) {
    ScriptedDialogs dialogs;
    dialogs.openExternallyResult = false;
    QTemporaryDir dir;
    const QString path = pdf_files::plainFile(QDir(dir.path()), QStringLiteral("a.xyz"), "x");
    try {
        ShellOpen(dialogs, path);
        FAIL() << "an open nobody takes must fail";
    } catch (const ShellError& error) {
        EXPECT_EQ(error.code(), 31);
        EXPECT_EQ(error.number(), -2147220425);
        EXPECT_EQ(error.message(),
                  QStringLiteral("No application is associated with this file type."));
    }
}

TEST(ShellOpen, ExistingFileOrFolderGoesToTheDesktop) {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    const QString path = pdf_files::plainFile(QDir(dir.path()), QStringLiteral("a b#.pdf"), "x");
    EXPECT_GT(ShellOpen(dialogs, path), 32);
    EXPECT_GT(ShellOpen(dialogs, dir.path()), 32);
    const auto shown = dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(QUrl(shown[0].text).toLocalFile(), path);
    EXPECT_EQ(QUrl(shown[1].text).toLocalFile(), dir.path());
}

TEST(ShellFailure, CodeTable) {
    struct Case {
        int code;
        int number;
        const char* message;
    };
    const QList<Case> cases{
        {0, 7, "Out of memory"},
        {2, 53, "File not found"},
        {3, 76, "Path not found"},
        {5, 75, "Path/file access error"},
        {8, 7, "Out of memory"},
        {11, -2147220445, "The executable file is invalid or corrupt"},
        {26, 75, "A sharing violation occurred."},
        {27, -2147220429, "This file type does not have a valid file association."},
        {28, 286, "The file could not be opened due to time out. Please try again in a moment."},
        {29, 285,
         "The file could not be opened because the DDE transaction failed. Please try again in "
         "a moment."},
        {30, 285,
         "The file could not be opened because the target application is busy. Please try "
         "again in a moment."},
        {31, -2147220425, "No application is associated with this file type."},
        {32, 48, "The specified dynamic-link library was not found."},
        {1, -2147220455,
         "An error occurred occurred whilst trying to open or print the selected file."},
        {4, -2147220452,
         "An error occurred occurred whilst trying to open or print the selected file."},
    };
    for (const Case& c : cases) {
        const ShellFailure failure = shellFailure(c.code);
        EXPECT_EQ(failure.number, c.number) << c.code;
        EXPECT_EQ(failure.message, QString::fromLatin1(c.message)) << c.code;
    }
}

} // namespace

} // namespace corvander
