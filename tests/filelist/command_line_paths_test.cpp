// Files and folders named on the command line, on the real window.
#include "tests/filelist/tree_helpers.h"
#include "tests/support/window_fixture.h"

#include <QDir>

namespace corvander {

namespace {

// The working folder for one test, given back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& folder) : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

} // namespace

using CommandLinePaths = WindowTest;

TEST_F(CommandLinePaths, FilesAsGivenFoldersWalkedForPdfFilesThenOneCheck) {
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char* name : {"scans/a.pdf", "scans/SCAN.PDF", "scans/notes.txt", "scans/~lock.pdf",
                             "scans/.hidden.pdf", "scans/deeper/y.Pdf", "single.txt", "here.pdf"})
        makeFile(root, QString::fromLatin1(name));
    load();
    WorkingFolder working(root);
    window->openCommandLinePaths({root + QStringLiteral("/single.txt"),
                                  root + QStringLiteral("/scans/"), QStringLiteral("here.pdf"),
                                  root + QStringLiteral("/missing.pdf")});

    QStringList walked = entriesOf(window->fileList()).mid(1, 3);
    walked.sort();
    EXPECT_EQ(entriesOf(window->fileList()).first(), root + QStringLiteral("/single.txt"));
    EXPECT_EQ(walked, under(root, {QStringLiteral("scans/SCAN.PDF"), QStringLiteral("scans/a.pdf"),
                                   QStringLiteral("scans/deeper/y.Pdf")}));
    // A path that names nothing is not listed: one message names it, before the check.
    EXPECT_EQ(entriesOf(window->fileList()).mid(4), under(root, {QStringLiteral("here.pdf")}));
    EXPECT_FALSE(window->busyPointer().isBusy());
    // One readability check over everything: one message naming the files without text.
    const QStringList messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.first(), QStringLiteral("These were left out:\r\n\r\n") + root +
                                    QStringLiteral("/missing.pdf: no such file or folder"));
    for (const QString& entry : entriesOf(window->fileList()))
        EXPECT_TRUE(messages.last().contains(entry)) << entry.toStdString();
    EXPECT_FALSE(messages.last().contains(QStringLiteral("missing.pdf")));
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(CommandLinePaths, AWalkHandsBackABusyMarkSetBeforeIt) {
    QTemporaryDir dir;
    makeFile(dir.path(), QStringLiteral("a.pdf"));
    load();
    window->busyPointer().setBusy(true);
    window->openCommandLinePaths({dir.path()});
    EXPECT_TRUE(window->busyPointer().isBusy());
    window->busyPointer().setBusy(false);
    EXPECT_EQ(entriesOf(window->fileList()), under(dir.path(), {QStringLiteral("a.pdf")}));
}

} // namespace corvander
