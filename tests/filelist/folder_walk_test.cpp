// The folder walk and the file lister on real folder trees.
#include "common/error_report.h"
#include "common/waiter.h"
#include "filelist/add_folder.h"
#include "filelist/folder_lister.h"
#include "filelist/list_sources.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/deep_tree.h"
#include "tests/support/scripted_dialogs.h"

#include "tests/filelist/folder_walk_fixture.h"
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

TEST_F(FolderWalk, GoesLevelByLevelAndListsFilesByName) {
    makeFile(root(), QStringLiteral("z.pdf"));
    makeFile(root(), QStringLiteral("a.pdf"));
    makeFile(root(), QStringLiteral("b/b1.pdf"));
    makeFile(root(), QStringLiteral("b/d/d1.pdf"));
    makeFile(root(), QStringLiteral("c/c1.pdf"));
    makeFile(root(), QStringLiteral("c/e/e2.pdf"));
    makeFile(root(), QStringLiteral("c/e/e1.pdf"));
    makeFile(root(), QStringLiteral("c/e/f/f1.pdf"));

    const QStringList folders = walk();
    EXPECT_EQ(folders, QStringList{top()} + under(root(), {"b/", "c/", "b/d/", "c/e/", "c/e/f/"}));
    EXPECT_EQ(filesOf(folders, QStringLiteral("*.pdf")),
              under(root(), {"a.pdf", "z.pdf", "b/b1.pdf", "c/c1.pdf", "b/d/d1.pdf", "c/e/e1.pdf",
                             "c/e/e2.pdf", "c/e/f/f1.pdf"}));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FolderWalk, EveryScriptIsWalkedAndWhatIsLeftOutIsSaid) {
    // Names in any script pass; a control character or bytes that are not UTF-8 keep a folder
    // (and, for the bytes, a file) out, and each such path is named with its reason.
    for (const char* name : {"\u0421\u0447\u0435\u0442\u0430/\u0441\u0447\u0435\u0442.pdf",
                             "\u65e5\u672c/\u8acb\u6c42\u66f8.pdf", "\U0001F4C4 why?/q.pdf",
                             "soft\u00adhyphen/s.pdf", "plain/p.pdf", "\u03a9.pdf"})
        makeFile(root(), QString::fromUtf8(name));
    makeFile(root(), QStringLiteral("tab\there/t.pdf"));
    makeFile(root(), QStringLiteral("c1 \u0085/c.pdf"));
    makeFile(root(), QStringLiteral("plain/ok.pdf"));
    // Names in an old single-byte code page, made from their bytes: no text names them.
    const QByteArray rawRoot = QFile::encodeName(root());
    ASSERT_EQ(::mkdir((rawRoot + "/latin1 \xe9").constData(), 0700), 0);
    const int file =
        ::open((rawRoot + "/plain/Rechnung \xfc.pdf").constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(file, 0);
    ::close(file);

    LeftOutPaths leftOut;
    QStringList folders{top()};
    GetSubDirectories2016(folders, true, dialogs, nullptr, &leftOut);
    EXPECT_EQ(folders, QStringList{top()} + under(root(), {"plain/", "soft\u00adhyphen/",
                                                           "\u0421\u0447\u0435\u0442\u0430/",
                                                           "\u65e5\u672c/", "\U0001F4C4 why?/"}));
    PathList list;
    appendFilesOfFolders(list, folders, QStringLiteral("*.pdf"), &leftOut);
    EXPECT_EQ(list.entries,
              under(root(), {"\u03a9.pdf", "plain/ok.pdf", "plain/p.pdf", "soft\u00adhyphen/s.pdf",
                             "\u0421\u0447\u0435\u0442\u0430/\u0441\u0447\u0435\u0442.pdf",
                             "\u65e5\u672c/\u8acb\u6c42\u66f8.pdf", "\U0001F4C4 why?/q.pdf"}));
    EXPECT_EQ(sortedTexts(leftOut),
              (QStringList{
                  top() + QStringLiteral("c1 \u0085: the name holds control characters"),
                  top() + QStringLiteral("latin1 \\xe9: the name is not valid UTF-8"),
                  top() + QStringLiteral("plain/Rechnung \\xfc.pdf: the name is not valid UTF-8"),
                  top() + QStringLiteral("tab\there: the name holds control characters")}));
    EXPECT_TRUE(dialogs.shown().isEmpty()) << "the walk itself shows nothing";
}

TEST_F(FolderWalk, FoldersPastThePathLimitAreWalkedAndTheirFilesNamed) {
    makeFile(root(), QStringLiteral("a/a.pdf"));
    const QString deep = makeDeepFolders(root() + QStringLiteral("/a"), 17);
    ASSERT_FALSE(deep.isEmpty());
    ASSERT_GE(QFile::encodeName(deep).size(), 4096);
    ASSERT_TRUE(writeDeepFile(deep + QStringLiteral("/deep.pdf"), "%PDF-1.4\n"));
    ASSERT_TRUE(writeDeepFile(deep + QStringLiteral("/notes.txt"), "not asked for\n"));

    LeftOutPaths leftOut;
    QStringList folders{top()};
    GetSubDirectories2016(folders, true, dialogs, nullptr, &leftOut);
    EXPECT_EQ(folders.size(), 2 + 17);
    EXPECT_EQ(folders.last(), deep + QLatin1Char('/'));
    EXPECT_TRUE(leftOut.isEmpty()) << "every folder was searched";
    PathList list;
    appendFilesOfFolders(list, folders, QStringLiteral("*.pdf"), &leftOut);
    EXPECT_EQ(list.entries, under(root(), {"a/a.pdf"}));
    EXPECT_EQ(sortedTexts(leftOut), QStringList{deep + QStringLiteral("/deep.pdf: path too long")});
    EXPECT_TRUE(dialogs.shown().isEmpty());
    removeDeepTree(root());
}

TEST_F(FolderWalk, LinkLoopsEndAndALinkedFolderIsWalkedOnce) {
    QTemporaryDir outside;
    makeFile(outside.path(), QStringLiteral("o.pdf"));
    makeFile(root(), QStringLiteral("a/a.pdf"));
    makeFile(root(), QStringLiteral("b/b.pdf"));
    QFile::link(root(), root() + QStringLiteral("/a/loop"));
    QFile::link(QStringLiteral(".."), root() + QStringLiteral("/a/up"));
    QFile::link(QStringLiteral("../a"), root() + QStringLiteral("/b/again"));
    QFile::link(outside.path(), root() + QStringLiteral("/ext"));
    QFile::link(outside.path(), root() + QStringLiteral("/ext2"));

    const QStringList folders = walk();
    EXPECT_EQ(folders, QStringList{top()} + under(root(), {"a/", "b/", "ext/"}));
    EXPECT_EQ(filesOf(folders, QStringLiteral("*.pdf")),
              under(root(), {"a/a.pdf", "b/b.pdf", "ext/o.pdf"}));
}

TEST_F(FolderWalk, AFolderThatCannotBeListedDropsOutAndItsSiblingsStay) {
    makeSiblings();
    const QString refused = root() + QStringLiteral("/b/");
    const struct {
        const char* name;
        SubfolderListing answer;
        QStringList files;
    } cases[] = {
        {"refused", {SubfolderListing::Outcome::Unlistable, {}, {}}, {"a/a.pdf", "c/c.pdf"}},
        // Another fault keeps the folder and what was read before it.
        {"broken off",
         {SubfolderListing::Outcome::Interrupted, {}, {}},
         {"a/a.pdf", "b/b.pdf", "c/c.pdf"}},
        {"broken off late",
         {SubfolderListing::Outcome::Interrupted, {QStringLiteral("deep")}, {}},
         {"a/a.pdf", "b/b.pdf", "c/c.pdf", "b/deep/d.pdf"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RefusingLister lister(refused, [&] { return c.answer; });
        EXPECT_EQ(filesOf(walk(lister), QStringLiteral("*.pdf")), under(root(), c.files));
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FolderWalk, AStartingFolderThatCannotBeListedGivesNothing) {
    makeSiblings();
    const RefusingLister lister(top(), [] {
        return SubfolderListing{SubfolderListing::Outcome::Unlistable, {}, {}};
    });
    EXPECT_TRUE(walk(lister).isEmpty());
}

TEST_F(FolderWalk, AFolderWithoutPermissionDropsOut) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root; the lister seam covers this case";
    makeSiblings();
    const QString locked = root() + QStringLiteral("/b");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const QStringList files = filesOf(walk(), QStringLiteral("*.pdf"));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(files, under(root(), {"a/a.pdf", "c/c.pdf"}));
}

TEST_F(FolderWalk, OtherFaultsAreReportedAndTheWalkGoesOn) {
    makeSiblings();
    const RefusingLister lister(root() + QStringLiteral("/b/"), []() -> SubfolderListing {
        raiseError(QStringLiteral("Disk fault"));
    });
    const QStringList files = filesOf(walk(lister), QStringLiteral("*.pdf"));
    EXPECT_EQ(files, under(root(), {"a/a.pdf", "b/b.pdf", "c/c.pdf"}));
    EXPECT_EQ(
        dialogs.warnings(),
        QStringList{errorReportText(QStringLiteral("Disk fault"), QString::fromLatin1(kFolderStamp),
                                    QStringLiteral("AddFolder.GetSubDirectories2016"), 102)});
}

TEST_F(FolderWalk, WithoutRecursionOnlyTheFirstLevelIsAdded) {
    makeSiblings();
    QStringList folders{top()};
    GetSubDirectories2016(folders, false, dialogs);
    EXPECT_EQ(folders, QStringList{top()} + under(root(), {"a/", "b/", "c/"}));
}

} // namespace corvander
