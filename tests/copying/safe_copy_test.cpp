#include "common/error_report.h"
#include "copying/copy_with_clean_name.h"
#include "copying/leftovers.h"
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "tests/copying/provoking_calls.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

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

void makeLink(const QString& target, const QString& link) {
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()),
              0);
}

struct Way {
    CopyWay way;
    int refusal; // what the file system answers to each better way
    const char* label;
};

class CopyFolders : public ::testing::Test {
protected:
    CopyFolders() {
        source = sources.filePath(QStringLiteral("in.pdf"));
        writeFile(source, content);
        out = results.path();
    }
    QTemporaryDir sources;
    QTemporaryDir results;
    QString source;
    QString out;
    // Every copy into out, and into the sources' folder, goes through these.
    std::unique_ptr<ProvokingCalls> copyCalls = std::make_unique<ProvokingCalls>(results.path());
    std::unique_ptr<ProvokingCalls> copyCallsInSources =
        std::make_unique<ProvokingCalls>(sources.path());

    ResultsFolder folder(const QString& path) const {
        return ResultsFolder(path, path == sources.path() ? *copyCallsInSources : *copyCalls);
    }
    const QByteArray content = QByteArray("%PDF-1.4 body\n") + QByteArray(100000, 'x');
};

// Runs every case in each way of copying, the better ways refused as the file systems that lack
// them refuse them.
class SafeCopy : public CopyFolders, public ::testing::WithParamInterface<Way> {
protected:
    SafeCopy() {
        for (ProvokingCalls* each : {copyCalls.get(), copyCallsInSources.get()})
            each->refusal = [this](CopyWay way) {
                ++asked[int(way)];
                return way < GetParam().way ? GetParam().refusal : 0;
            };
    }
    int asked[4] = {};
};

} // namespace

TEST_P(SafeCopy, TakesTheFirstFreeExclamationSuffix) {
    writeFile(out + QStringLiteral("/name.pdf"), "old");
    writeFile(out + QStringLiteral("/name!.pdf"), "older");
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("name"), false, folder(out)));
    EXPECT_EQ(entries(out), (QStringList{"name!!.pdf", "name!.pdf", "name.pdf"}));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name!!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name.pdf")), "old");
    EXPECT_EQ(fileBytes(out + QStringLiteral("/name!.pdf")), "older");
    EXPECT_EQ(fileBytes(source), content);
    EXPECT_EQ(copyCalls->rememberedWay(out), GetParam().way);
}

TEST_P(SafeCopy, AnythingStandingAtTheNameTakesIt) {
    // A folder, a link to a file, a link that points nowhere, and a pipe nobody reads.
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("folder.pdf")));
    const QString target = sources.filePath(QStringLiteral("target.pdf"));
    writeFile(target, "target");
    makeLink(target, out + QStringLiteral("/link.pdf"));
    const QString nowhere = sources.filePath(QStringLiteral("nowhere.pdf"));
    makeLink(nowhere, out + QStringLiteral("/dangling.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(out + QStringLiteral("/pipe.pdf")).constData(), 0600), 0);

    for (const char* name : {"folder", "link", "dangling", "pipe"}) {
        EXPECT_TRUE(CopyWithCleanName(source, QString::fromLatin1(name), false, folder(out)))
            << name;
        EXPECT_EQ(fileBytes(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral("!.pdf")),
                  content)
            << name;
    }
    EXPECT_EQ(fileBytes(target), "target");
    EXPECT_FALSE(QFile::exists(nowhere)) << "written through a dangling link";
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/folder.pdf")).isDir());
    struct stat pipe {};
    ASSERT_EQ(::lstat(QFile::encodeName(out + QStringLiteral("/pipe.pdf")).constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    EXPECT_EQ(entries(out).size(), 8) << entries(out).join(' ').toStdString();
}

TEST_P(SafeCopy, SameFolderAndSameNameLeavesTheSourceUntouched) {
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("in"), false, folder(sources.path())));
    EXPECT_EQ(fileBytes(source), content);
    EXPECT_EQ(fileBytes(sources.filePath(QStringLiteral("in!.pdf"))), content);
    // A folder text ending in "/" gives the same place.
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("in"), false,
                                  ResultsFolder(sources.path() + "/", *copyCallsInSources)));
    EXPECT_EQ(fileBytes(sources.filePath(QStringLiteral("in!!.pdf"))), content);
    EXPECT_EQ(entries(sources.path()), (QStringList{"in!!.pdf", "in!.pdf", "in.pdf"}));
}

TEST_P(SafeCopy, EmptyNameWritesNothing) {
    EXPECT_FALSE(CopyWithCleanName(source, QStringLiteral("?:*"), false, folder(out)));
    EXPECT_FALSE(CopyWithCleanName(source, QStringLiteral("%"), true, folder(out)));
    EXPECT_TRUE(entries(out).isEmpty());
}

// A name longer than a file name may be is cut to fit with its "!" marks, and copied.
TEST_P(SafeCopy, LongNamesAreCutToFit) {
    const QString name(300, QLatin1Char('n'));
    for (int copy = 0; copy < 2; ++copy)
        EXPECT_TRUE(CopyWithCleanName(source, name, false, ResultsFolder(out)));
    EXPECT_EQ(entries(out), (QStringList{QString(250, QLatin1Char('n')) + "!.pdf",
                                         QString(251, QLatin1Char('n')) + ".pdf"}));
}

TEST_P(SafeCopy, FailedCopiesRaiseAndLeaveNothingBehind) {
    const struct {
        const char* what;
        QString source;
        QString name;
        QString folder;
    } cases[] = {
        {"source vanished", sources.filePath(QStringLiteral("gone.pdf")), "gone", out},
        {"source is a folder", sources.path(), "folder", out},
        {"results folder missing", source, "name", out + QStringLiteral("/missing")},
        {"results folder is a file", source, "name", source},
    };
    for (const auto& c : cases) {
        try {
            CopyWithCleanName(c.source, c.name, false, ResultsFolder(c.folder, *copyCalls));
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
    const QString made = CopyToFreeName(source, folder(out), QStringLiteral("perm"));
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
    copyCalls->beforePlacing = [&](const QString& candidate) {
        ++calls;
        // Nothing of the copy stands under a final name yet; at most one hidden work file does.
        QStringList ours = entries(out);
        ours.removeAll(QStringLiteral("race.pdf"));
        ours.removeAll(QStringLiteral("race!.pdf"));
        EXPECT_EQ(ours.size(), GetParam().way == CopyWay::Unnamed ? 0 : 1)
            << ours.join(' ').toStdString();
        for (const QString& entry : ours)
            EXPECT_TRUE(entry.startsWith(QStringLiteral(".corvander-"))) << entry.toStdString();

        if (candidate.endsWith(QStringLiteral("/race.pdf")))
            writeFile(candidate, "theirs");
        else if (candidate.endsWith(QStringLiteral("/race!.pdf")))
            makeLink(nowhere, candidate);
    };
    EXPECT_EQ(CopyToFreeName(source, folder(out), QStringLiteral("race")),
              out + QStringLiteral("/race!!.pdf"));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/race.pdf")), "theirs");
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/race!!.pdf")), content);
    EXPECT_EQ(entries(out), (QStringList{"race!!.pdf", "race!.pdf", "race.pdf"}));
}

// The first copy into a folder finds the way that works there; the next ones take it at once.
TEST_P(SafeCopy, RefusedWaysAreTriedOncePerFolder) {
    for (const char* name : {"one", "two", "three"})
        CopyToFreeName(source, folder(out), QString::fromLatin1(name));
    EXPECT_EQ(entries(out), (QStringList{"one.pdf", "three.pdf", "two.pdf"}));
    for (int way = 0; way < int(GetParam().way); ++way)
        EXPECT_EQ(asked[way], 1) << "way " << way;
    EXPECT_EQ(asked[int(GetParam().way)], GetParam().way == CopyWay::Exclusive ? 0 : 3);
}

// A kill in the middle of a copy leaves at most hidden work files or a marked partial copy, and
// the clean-up at the next run takes exactly those away.
TEST_P(SafeCopy, KilledCopyLeavesNothingTheCleanUpKeeps) {
    writeFile(out + QStringLiteral("/kept.pdf"), "kept");
    // The folder's way is known from the first copy, so the kill meets that way.
    CopyToFreeName(source, folder(out), QStringLiteral("first"));
    EXPECT_EXIT(
        {
            copyCalls->duringCopy = [] { ::raise(SIGKILL); };
            CopyToFreeName(source, folder(out), QStringLiteral("killed"));
        },
        ::testing::KilledBySignal(SIGKILL), "");
    const QStringList left = entries(out);
    if (GetParam().way == CopyWay::Exclusive)
        EXPECT_TRUE(left.contains(QStringLiteral("killed.pdf")));
    else
        EXPECT_FALSE(left.contains(QStringLiteral("killed.pdf")));
    // Besides the two copies: nothing, a hidden work file, or the partial copy and its marker.
    const int leftovers[] = {0, 1, 1, 2};
    EXPECT_EQ(left.size(), 2 + leftovers[int(GetParam().way)]) << left.join(' ').toStdString();
    corvander::removeLeftovers(folder(out));
    EXPECT_EQ(entries(out), (QStringList{"first.pdf", "kept.pdf"}));
}

INSTANTIATE_TEST_SUITE_P(Ways, SafeCopy,
                         ::testing::Values(Way{CopyWay::Unnamed, 0, "Unnamed"},
                                           Way{CopyWay::NamedRename, EOPNOTSUPP, "NamedRename"},
                                           Way{CopyWay::NamedLink, EINVAL, "NamedLink"},
                                           Way{CopyWay::Exclusive, EPERM, "Exclusive"}),
                         [](const auto& info) { return std::string(info.param.label); });

// Each answer of a file system that lacks a way leads to the next way; any other failure is the
// copy's failure, reported and not taken for a missing feature.
TEST_F(CopyFolders, OnlyAMissingFeatureLeadsToTheNextWay) {
    for (const int refusal : {EPERM, EOPNOTSUPP, EINVAL, ENOSYS, EXDEV, EMLINK}) {
        copyCalls = std::make_unique<ProvokingCalls>(out);
        copyCalls->refusal = [&](CopyWay way) { return way == CopyWay::Exclusive ? 0 : refusal; };
        const QString made = CopyToFreeName(source, folder(out), QStringLiteral("next"));
        EXPECT_EQ(fileBytes(made), content) << strerror(refusal);
        EXPECT_EQ(copyCalls->rememberedWay(out), CopyWay::Exclusive) << strerror(refusal);
        QFile::remove(made);
    }
    for (const int failure : {EIO, ENOSPC, EACCES, EROFS}) {
        copyCalls = std::make_unique<ProvokingCalls>(out);
        copyCalls->refusal = [&](CopyWay) { return failure; };
        EXPECT_THROW(CopyToFreeName(source, folder(out), QStringLiteral("failed")), AppError)
            << strerror(failure);
        EXPECT_EQ(copyCalls->rememberedWay(out), std::nullopt);
    }
    EXPECT_TRUE(entries(out).isEmpty()) << entries(out).join(' ').toStdString();
}

} // namespace corvander
