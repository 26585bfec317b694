#include "common/error_report.h"
#include "rename/clean_name.h"
#include "rename/safe_copy.h"
#include "rename/safe_copy_testing.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Everything in the folder, hidden entries included, sorted by name.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs every case with unnamed temporary files and with the named fallback of file systems that
// lack them.
class SafeCopy : public ::testing::TestWithParam<bool> {
protected:
    SafeCopy() {
        safe_copy_testing::setUnnamedFilesAllowed(GetParam());
        source = sources.filePath(QStringLiteral("in.pdf"));
        writeFile(source, content);
        out = results.path();
    }
    ~SafeCopy() override {
        safe_copy_testing::setUnnamedFilesAllowed(true);
        safe_copy_testing::setBeforeLink({});
    }
    QTemporaryDir sources;
    QTemporaryDir results;
    QString source;
    QString out;
    const QByteArray content = QByteArray("%PDF-1.4 body\n") + QByteArray(100000, 'x');
};

} // namespace

TEST_P(SafeCopy, TakesTheFirstFreeExclamationSuffix) {
    writeFile(out + QStringLiteral("/name.pdf"), "old");
    writeFile(out + QStringLiteral("/name!.pdf"), "older");
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("name"), false, out));
    EXPECT_EQ(entries(out), (QStringList{"name!!.pdf", "name!.pdf", "name.pdf"}));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name!!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name.pdf")), "old");
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name!.pdf")), "older");
    EXPECT_EQ(fileBytes(source), content);
}

TEST_P(SafeCopy, AnythingStandingAtTheNameTakesIt) {
    // A folder, a link to a file, and a link that points nowhere.
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("folder.pdf")));
    const QString target = sources.filePath(QStringLiteral("target.pdf"));
    writeFile(target, "target");
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                        QFile::encodeName(out + QStringLiteral("/link.pdf")).constData()),
              0);
    const QString nowhere = sources.filePath(QStringLiteral("nowhere.pdf"));
    ASSERT_EQ(::symlink(QFile::encodeName(nowhere).constData(),
                        QFile::encodeName(out + QStringLiteral("/dangling.pdf")).constData()),
              0);

    for (const char* name : {"folder", "link", "dangling"})
        EXPECT_TRUE(CopyWithCleanName(source, QString::fromLatin1(name), false, out)) << name;

    EXPECT_EQ(fileBytes(out + QStringLiteral("/folder!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/link!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/dangling!.pdf")), content);
    EXPECT_EQ(fileBytes(target), "target");
    EXPECT_FALSE(QFile::exists(nowhere)) << "written through a dangling link";
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/folder.pdf")).isDir());
}

TEST_P(SafeCopy, SameFolderAndSameNameLeavesTheSourceUntouched) {
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("in"), false, sources.path()));
    EXPECT_EQ(fileBytes(source), content);
    EXPECT_EQ(fileBytes(sources.filePath(QStringLiteral("in!.pdf"))), content);
    // A folder text ending in "/" gives the same place.
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("in"), false, sources.path() + "/"));
    EXPECT_EQ(fileBytes(sources.filePath(QStringLiteral("in!!.pdf"))), content);
    EXPECT_EQ(entries(sources.path()), (QStringList{"in!!.pdf", "in!.pdf", "in.pdf"}));
}

TEST_P(SafeCopy, EmptyNameWritesNothing) {
    EXPECT_FALSE(CopyWithCleanName(source, QStringLiteral("?:*"), false, out));
    EXPECT_FALSE(CopyWithCleanName(source, QStringLiteral("%"), true, out));
    EXPECT_TRUE(entries(out).isEmpty());
}

TEST_P(SafeCopy, FailedCopiesRaiseAndLeaveNothingBehind) {
    const struct {
        const char* what;
        QString source;
        QString name;
        QString folder;
    } cases[] = {
        {"name too long", source, QString(300, QLatin1Char('n')), out},
        {"source vanished", sources.filePath(QStringLiteral("gone.pdf")), "gone", out},
        {"source is a folder", sources.path(), "folder", out},
        {"results folder missing", source, "name", out + QStringLiteral("/missing")},
        {"results folder is a file", source, "name", source},
    };
    for (const auto& c : cases) {
        try {
            CopyWithCleanName(c.source, c.name, false, c.folder);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const AppError& error) {
            EXPECT_FALSE(error.description().isEmpty()) << c.what;
        }
        EXPECT_TRUE(entries(out).isEmpty()) << c.what;
    }
    EXPECT_EQ(entries(sources.path()), QStringList{"in.pdf"});
}

TEST_P(SafeCopy, CopyIsAPlainFileWithTheSourcesReadWriteBits) {
    const mode_t previous = ::umask(022);
    ::chmod(QFile::encodeName(source).constData(), 0764);
    const QString made = CopyToFreeName(source, out, QStringLiteral("perm"));
    ::umask(previous);
    EXPECT_EQ(made, out + QStringLiteral("/perm.pdf"));
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(made).constData(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, mode_t(0644));
    EXPECT_EQ(info.st_nlink, nlink_t(1));
}

// Another program takes the name between the existence test and the copy: what it put there
// stays, nothing is written through a link it put there, and the copy takes the next name.
TEST_P(SafeCopy, NameTakenAtTheLastMomentIsLeftAlone) {
    const QString nowhere = sources.filePath(QStringLiteral("nowhere.pdf"));
    int calls = 0;
    safe_copy_testing::setBeforeLink([&](const QString& candidate) {
        ++calls;
        // The copy is complete by now, and still nothing of it stands under a final name.
        QStringList ours = entries(out);
        ours.removeAll(QStringLiteral("race.pdf"));
        ours.removeAll(QStringLiteral("race!.pdf"));
        EXPECT_EQ(ours.size(), GetParam() ? 0 : 1) << ours.join(' ').toStdString();
        for (const QString& entry : ours)
            EXPECT_TRUE(entry.startsWith(QLatin1Char('.'))) << entry.toStdString();

        if (candidate.endsWith(QStringLiteral("/race.pdf"))) {
            writeFile(candidate, "theirs");
        } else if (candidate.endsWith(QStringLiteral("/race!.pdf"))) {
            ASSERT_EQ(::symlink(QFile::encodeName(nowhere).constData(),
                                QFile::encodeName(candidate).constData()),
                      0);
        }
    });
    EXPECT_EQ(CopyToFreeName(source, out, QStringLiteral("race")),
              out + QStringLiteral("/race!!.pdf"));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/race.pdf")), "theirs");
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/race!!.pdf")), content);
    EXPECT_EQ(entries(out), (QStringList{"race!!.pdf", "race!.pdf", "race.pdf"}));
}

INSTANTIATE_TEST_SUITE_P(TemporaryFile, SafeCopy, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Unnamed" : "Named"; });
