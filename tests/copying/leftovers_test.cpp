// The clean-up of what dead runs left in a results folder, and of nothing else.
#include "copying/copy_markers.h"
#include "copying/file_descriptor.h"
#include "copying/leftovers.h"
#include "copying/results_folder.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvander {

using State = CopyMarker::State;

namespace {

class Leftovers : public ::testing::Test {
protected:
    // A work file name of a process of this host that certainly no longer runs, or of another.
    QString ownName(const char* ending, qint64 pid = 0, QByteArray host = thisHost()) {
        static int count = 0;
        if (pid == 0) {
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(0);
            ::waitpid(child, nullptr, 0);
            pid = child;
        }
        return QStringLiteral(".corvander-%1-x%2-%3%4")
            .arg(QString::number(pid), QString::number(++count), QString::fromLatin1(host),
                 QLatin1String(ending));
    }

    QString put(const QString& name, const QByteArray& bytes = "x") {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return name;
    }

    // Holds the lock a live run holds on its work file, for as long as the test runs.
    QString locked(const QString& name) {
        auto fd = std::make_unique<FileDescriptor>(
            ::open(QFile::encodeName(folder.filePath(name)).constData(), O_RDWR | O_CLOEXEC));
        EXPECT_EQ(lockWorkFile(fd->get()), WorkFileLock::Taken) << name.toStdString();
        m_locks.push_back(std::move(fd));
        return name;
    }

    // A marker of a created copy that names the file now at `name`.
    QByteArray createdMarker(const QString& name, qint64 size) {
        struct stat info {};
        EXPECT_EQ(::lstat(QFile::encodeName(folder.filePath(name)).constData(), &info), 0);
        CopyMarker marker{State::Created, size, QFile::encodeName(name)};
        marker.device = info.st_dev;
        marker.inode = info.st_ino;
        return encodeMarker(marker);
    }

    QStringList entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;

private:
    std::vector<std::unique_ptr<FileDescriptor>> m_locks;
};

} // namespace

// Whether a run still works on a file is its lock, wherever and whoever that run is: not the
// process id or the host its name gives.
TEST_F(Leftovers, OnlyUnlockedWorkFilesOfThisUserGo) {
    put(ownName(".part"));
    put(ownName(".part", ::getppid()));            // a running pid, but nobody holds the lock
    put(ownName(".part", 0, "elsewhere.example")); // another host's, dead
    put(QString::fromLatin1(ownFileName(OwnFileKind::Mark)), "garbled");
    QStringList kept = {
        locked(put(ownName(".part"))),                                    // a pid of nothing here
        locked(put(ownName(".mark", 0, "elsewhere.example"), "garbled")), // another machine's
        locked(put(QString::fromLatin1(ownFileName(OwnFileKind::Part)))), // this process's
        put(QStringLiteral(".corvander-k3x9.part")),                      // an older program's
        put(ownName(".txt")),
        put(QStringLiteral("report.pdf")),
    };
    const QString link = ownName(".part");
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("report.pdf")), folder.filePath(link)));
    const QString pipe = ownName(".mark");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(pipe)).constData(), 0600), 0);
    const QString subfolder = ownName(".part");
    ASSERT_TRUE(QDir(folder.path()).mkdir(subfolder));
    kept << link << pipe << subfolder;

    removeLeftovers(ResultsFolder(folder.path()));
    kept.sort();
    EXPECT_EQ(entries(), kept);
    EXPECT_EQ(fileBytes(folder.filePath(QStringLiteral("report.pdf"))), "x");
}

// A dead run's marker takes the unfinished copy it names, and only while it is still the very file
// that run created, no larger than the whole copy, and not a file the current run copies from. A
// name only about to be created may have been taken by someone else since: it stays. Nothing
// outside the folder is reached.
TEST_F(Leftovers, AMarkerTakesOnlyTheUnfinishedCopyItCreated) {
    const QString source = put(QStringLiteral("source.pdf"), "source");
    struct stat sourceInfo {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder.filePath(source)).constData(), &sourceInfo), 0);
    const RunSourceTest isRunSource = [&](quint64 device, quint64 inode) {
        return device == quint64(sourceInfo.st_dev) && inode == quint64(sourceInfo.st_ino);
    };

    put(QStringLiteral("half.pdf"), "1234");
    put(ownName(".mark"), createdMarker(QStringLiteral("half.pdf"), 10));
    QStringList kept = {source};
    put(ownName(".mark"), createdMarker(source, 10));

    kept << put(QStringLiteral("grown.pdf"), "0123456789 and more");
    put(ownName(".mark"), createdMarker(QStringLiteral("grown.pdf"), 10));

    // Replaced since the marker was written: another file now stands at the name.
    kept << put(QStringLiteral("replaced.pdf"), "1234");
    put(ownName(".mark"), createdMarker(QStringLiteral("replaced.pdf"), 10));
    put(QStringLiteral("replacement"), "5678");
    ASSERT_EQ(
        ::rename(QFile::encodeName(folder.filePath(QStringLiteral("replacement"))).constData(),
                 QFile::encodeName(folder.filePath(QStringLiteral("replaced.pdf"))).constData()),
        0);

    for (const char* name : {"taken.pdf", "empty.pdf"}) {
        kept << put(QString::fromLatin1(name), name[0] == 't' ? "theirs" : "");
        put(ownName(".mark"), encodeMarker({State::Pending, 10, name}));
    }
    QTemporaryDir outside;
    const QString outsideFile = outside.filePath(QStringLiteral("outside.pdf"));
    QFile(outsideFile).open(QIODevice::WriteOnly);
    put(ownName(".mark"),
        encodeMarker({State::Created, 10,
                      "../" + QFile::encodeName(QDir(outside.path()).dirName()) + "/outside.pdf"}));
    put(ownName(".mark"), "garbled");

    removeLeftovers(ResultsFolder(folder.path()), isRunSource);
    kept.sort();
    EXPECT_EQ(entries(), kept);
    EXPECT_EQ(fileBytes(folder.filePath(QStringLiteral("replaced.pdf"))), "5678");
    EXPECT_EQ(fileBytes(folder.filePath(source)), "source");
    EXPECT_TRUE(QFile::exists(outsideFile));
}

namespace {

// A run copying through the real copy code in another PID namespace, stopped in the middle of
// its copy until the test closes its input.
class ForeignRun {
public:
    ForeignRun(const QString& folder, const QString& source, const char* way) {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty()) {
            m_problem = QStringLiteral("unshare is not installed");
            return;
        }
        m_process.start(unshare, {"--pid", "--fork", "--kill-child", "--mount-proc",
                                  QStringLiteral(LEFTOVERS_CHILD_PROGRAM), folder, source,
                                  QString::fromLatin1(way)});
        while (m_process.waitForReadyRead(30000) && !m_process.canReadLine()) {
        }
        if (m_process.readLine() != "copying\n")
            m_problem = QStringLiteral("no run in a PID namespace of its own: ") +
                        QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
    }
    ~ForeignRun() {
        m_process.kill();
        m_process.waitForFinished();
    }
    const QString& problem() const { return m_problem; }
    // It dies as a killed run does: its files stay as they are, its locks go.
    void die() {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
    }

private:
    QProcess m_process;
    QString m_problem;
};

} // namespace

// A run in a container (another PID namespace, where its pid means nothing here) keeps its work
// while it runs; once it is dead, the next clean-up takes its leftovers.
TEST_F(Leftovers, ALiveRunInAnotherPidNamespaceKeepsItsFiles) {
    QTemporaryDir sources;
    const QString source = sources.filePath(QStringLiteral("in.pdf"));
    put(QStringLiteral("kept.pdf"));
    QFile sourceFile(source);
    ASSERT_TRUE(sourceFile.open(QIODevice::WriteOnly));
    sourceFile.write(QByteArray(300000, 'p'));
    sourceFile.close();
    for (const char* way : {"named", "exclusive"}) {
        ForeignRun run(folder.path(), source, way);
        if (!run.problem().isEmpty())
            GTEST_SKIP() << run.problem().toStdString();
        const QStringList underWay = entries();
        EXPECT_EQ(underWay.size(), way[0] == 'n' ? 2 : 3) << underWay.join(' ').toStdString();

        removeLeftovers(ResultsFolder(folder.path()));
        EXPECT_EQ(entries(), underWay) << way;

        run.die();
        removeLeftovers(ResultsFolder(folder.path()));
        EXPECT_EQ(entries(), QStringList{"kept.pdf"}) << way;
    }
}

} // namespace corvander
