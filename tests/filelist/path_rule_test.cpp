#include "filelist/add_folder.h"
#include "filelist/file_list.h"
#include "tests/filelist/tree_helpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvander {

TEST(PathRule, CollapsesDoubledSeparatorsInOnePass) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/home//a.pdf", "/home/a.pdf"},
        {"//srv/share//x.pdf", "/srv/share/x.pdf"},
        {"///srv/x.pdf", "/srv/x.pdf"},
        {"/home/u/Reports/a.pdf", "/home/u/Reports/a.pdf"},
        {"docs//a.pdf", "docs/a.pdf"},
        // One pass over non-overlapping pairs: three in a row become two, four become two.
        {"/a///b.pdf", "/a//b.pdf"},
        {"a////b.pdf", "a//b.pdf"},
        {"/", "/"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(collapseDoubledSlashes(QString::fromUtf8(c.path)), QString::fromUtf8(c.expected));
    }
}

TEST(PathRule, JoinsAChosenFolderAndNameWithOneSeparator) {
    EXPECT_EQ(joinFolderAndName(QStringLiteral("/"), QStringLiteral("a.pdf")),
              QStringLiteral("/a.pdf"));
    EXPECT_EQ(joinFolderAndName(QStringLiteral("/home/u"), QStringLiteral("a.pdf")),
              QStringLiteral("/home/u/a.pdf"));
}

TEST(PathRule, ListContainsPathComparesExactly) {
    PathList list;
    list.entries = {QStringLiteral("/a/Report.pdf"), QStringLiteral("/b/x.pdf")};
    EXPECT_TRUE(ListContainsPath(list, QStringLiteral("/a/Report.pdf")));
    EXPECT_TRUE(ListContainsPath(list, QStringLiteral("/b/x.pdf")));
    EXPECT_FALSE(ListContainsPath(list, QStringLiteral("/a/report.pdf")));
    EXPECT_FALSE(ListContainsPath(list, QStringLiteral("/a/Report.pdf ")));
    EXPECT_FALSE(ListContainsPath(list, QStringLiteral("/a//Report.pdf")));
    EXPECT_FALSE(ListContainsPath(PathList(), QString()));
}

TEST(PathRule, UnsafeFolderNames) {
    // Any character of any script is safe; controls are not, and a "?" is a real question mark.
    const struct {
        const char16_t* name;
        bool unsafe;
    } cases[] = {
        {u"Invoices 2024", false},
        {u"\u00dcber caf\u00e9", false},
        {u"\u0421\u0447\u0435\u0442\u0430", false},
        {u"\u65e5\u672c", false},
        {u"\U0001F4C4 page", false},
        {u"why?", false},
        {u"soft\u00adhyphen", false},
        {u"~drafts", false},
        {u"tab\there", true},
        {u"del\u007f", true},
        {u"c1 \u0085", true},
        {u"edge \u009f", true},
        {u"", false},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(HasUnsafeChars(name), c.unsafe);
        EXPECT_EQ(HasUnsafeChars(name.toUtf8()), c.unsafe);
    }
    EXPECT_TRUE(HasUnsafeChars(QByteArray("latin1 \xe9")));
    EXPECT_TRUE(HasUnsafeChars(QByteArray("\xc3")));
}

TEST(PathRule, FileExistsByOpenTakesRegularFilesOnly) {
    QTemporaryDir dir;
    const QString file = makeFile(dir.path(), QStringLiteral("a.pdf"));
    const QString folder = makeFolder(dir.path(), QStringLiteral("sub"));
    QFile::link(file, dir.filePath(QStringLiteral("link.pdf")));
    QFile::link(dir.filePath(QStringLiteral("gone.pdf")),
                dir.filePath(QStringLiteral("dangling.pdf")));
    EXPECT_TRUE(FileExistsByOpen(file));
    EXPECT_TRUE(FileExistsByOpen(dir.filePath(QStringLiteral("link.pdf"))));
    EXPECT_FALSE(FileExistsByOpen(folder));
    EXPECT_FALSE(FileExistsByOpen(dir.filePath(QStringLiteral("dangling.pdf"))));
    EXPECT_FALSE(FileExistsByOpen(dir.filePath(QStringLiteral("missing.pdf"))));
    EXPECT_FALSE(FileExistsByOpen(QString()));
    // A device or a pipe is no document, and the extractor would wait on a pipe for ever.
    EXPECT_FALSE(FileExistsByOpen(QStringLiteral("/dev/null")));
    const QString pipe = dir.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(FileExistsByOpen(pipe));
}

} // namespace corvander
