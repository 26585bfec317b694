// The folder walk and the file lister on real folder trees.
#include "common/error_report.h"
#include "filelist/add_folder.h"
#include "filelist/folder_lister.h"
#include "filelist/list_sources.h"
#include "tests/filelist/tree_helpers.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Answers for one folder as told and leaves every other folder to the file system.
class RefusingLister : public FolderLister {
public:
    RefusingLister(QString folder, std::function<SubfolderListing()> answer)
        : m_folder(std::move(folder)), m_answer(std::move(answer)) {}
    SubfolderListing subfolders(const QString& folder) const override {
        return folder == m_folder ? m_answer() : systemFolderLister().subfolders(folder);
    }

private:
    QString m_folder;
    std::function<SubfolderListing()> m_answer;
};

class FolderWalk : public ::testing::Test {
protected:
    QString root() const { return tree.path(); }
    QString top() const { return tree.path() + QLatin1Char('/'); }

    QStringList walk(const FolderLister& lister = systemFolderLister()) {
        QStringList folders{top()};
        GetSubDirectories2016(folders, true, dialogs, lister);
        return folders;
    }

    QStringList filesOf(const QStringList& folders, const QString& pattern) {
        PathList list;
        appendFilesOfFolders(list, folders, pattern);
        return list.entries;
    }

    // Three siblings, the middle one with a subfolder of its own.
    void makeSiblings() {
        makeFile(root(), QStringLiteral("a/a.pdf"));
        makeFile(root(), QStringLiteral("b/b.pdf"));
        makeFile(root(), QStringLiteral("b/deep/d.pdf"));
        makeFile(root(), QStringLiteral("c/c.pdf"));
    }

    QTemporaryDir tree;
    ScriptedDialogs dialogs;
};

} // namespace

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

TEST_F(FolderWalk, FolderNamesBeyondTheOldCodePageAreNeitherListedNorSearched) {
    makeFile(root(), QStringLiteral("\u03a9.pdf"));
    makeFile(root(), QStringLiteral("Caf\u00e9/ok.pdf"));
    makeFile(root(), QStringLiteral("\u03a9 notes/x.pdf"));
    makeFile(root(), QStringLiteral("\u03a9 notes/deeper/y.pdf"));
    makeFile(root(), QStringLiteral("why?/q.pdf"));
    makeFile(root(), QStringLiteral("tab\there/t.pdf"));
    makeFile(root(), QStringLiteral("plain/p.pdf"));
    makeFile(root(), QStringLiteral("plain/\u65e5\u672c/z.pdf"));

    const QStringList folders = walk();
    EXPECT_EQ(folders, QStringList{top()} + under(root(), {"Caf\u00e9/", "plain/"}));
    // The rule is about folders: a file's own name may hold any character.
    EXPECT_EQ(filesOf(folders, QStringLiteral("*.pdf")),
              under(root(), {"\u03a9.pdf", "Caf\u00e9/ok.pdf", "plain/p.pdf"}));
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
        {"refused", {SubfolderListing::Outcome::Unlistable, {}}, {"a/a.pdf", "c/c.pdf"}},
        // Another fault keeps the folder and what was read before it.
        {"broken off",
         {SubfolderListing::Outcome::Interrupted, {}},
         {"a/a.pdf", "b/b.pdf", "c/c.pdf"}},
        {"broken off late",
         {SubfolderListing::Outcome::Interrupted, {QStringLiteral("deep")}},
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
        return SubfolderListing{SubfolderListing::Outcome::Unlistable, {}};
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
