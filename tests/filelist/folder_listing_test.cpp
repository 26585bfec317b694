// The file lister: many files in name order, and patterns in any letter case.
#include "common/error_report.h"
#include "common/waiter.h"
#include "filelist/add_folder.h"
#include "filelist/folder_lister.h"
#include "filelist/list_sources.h"
#include "tests/filelist/folder_walk_fixture.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/deep_tree.h"
#include "tests/support/scripted_dialogs.h"
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

// Counts how often the listing lets the window's events run.
class CountingWaiter : public corvander::Waiter {
public:
    void yieldOnce() override { ++yields; }
    void waitUntil(const std::function<bool()>&, const std::function<void()>&) override {}
    int yields = 0;
};

TEST_F(FolderWalk, AFolderOfManyFilesIsListedInNameOrderAndOnlyItsFiles) {
    // More names than one sorted run holds, created out of order, so that the runs are merged.
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        const int n = (i * 7919) % 5000;
        const QString name =
            QStringLiteral("%1%2.pdf").arg(n % 3 ? QLatin1Char('m') : QLatin1Char('M')).arg(n);
        expected << name;
        const int fd = ::open(QFile::encodeName(root() + QLatin1Char('/') + name).constData(),
                              O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    // A link to a file counts as the file; links to a folder or to nothing, folders and pipes
    // are no files.
    ASSERT_TRUE(
        QFile::link(root() + QStringLiteral("/M0.pdf"), root() + QStringLiteral("/link.pdf")));
    expected << QStringLiteral("link.pdf");
    makeFolder(root(), QStringLiteral("folder.pdf"));
    ASSERT_TRUE(QFile::link(root() + QStringLiteral("/folder.pdf"),
                            root() + QStringLiteral("/to folder.pdf")));
    ASSERT_TRUE(
        QFile::link(root() + QStringLiteral("/gone"), root() + QStringLiteral("/dangling.pdf")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root() + QStringLiteral("/pipe.pdf")).constData(), 0600),
              0);
    std::sort(expected.begin(), expected.end());
    CountingWaiter waiter;
    EXPECT_EQ(ListFilesInFolder(root(), QStringLiteral("*.pdf"), nullptr, &waiter), expected);
    EXPECT_EQ(ListFilesInFolder(root(), QStringLiteral("*.pdf")), expected);
}

TEST_F(FolderWalk, ListFilesInFolderMatchesThePatternInAnyCase) {
    for (const char* name : {"a.txt", "B.TXT", "c.Txt", "notes.txt.pdf", "README", ".profile",
                             "archive.tar.gz", "x[1].txt"})
        makeFile(root(), QString::fromLatin1(name));
    makeFolder(root(), QStringLiteral("folder.txt"));
    const struct {
        const char* pattern;
        QStringList names;
    } cases[] = {
        {"*.*",
         {".profile", "B.TXT", "README", "a.txt", "archive.tar.gz", "c.Txt", "notes.txt.pdf",
          "x[1].txt"}},
        {"*.txt", {"B.TXT", "a.txt", "c.Txt", "x[1].txt"}},
        {"*.TXT", {"B.TXT", "a.txt", "c.Txt", "x[1].txt"}},
        {"*.gz", {"archive.tar.gz"}},
        {"*.t?t", {"B.TXT", "a.txt", "c.Txt", "x[1].txt"}},
        {"*.doc", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(ListFilesInFolder(root(), QString::fromLatin1(c.pattern)), c.names);
        EXPECT_EQ(ListFilesInFolder(top(), QString::fromLatin1(c.pattern)), c.names);
    }
    EXPECT_TRUE(
        ListFilesInFolder(root() + QStringLiteral("/missing"), QStringLiteral("*.*")).isEmpty());
}

} // namespace corvander
