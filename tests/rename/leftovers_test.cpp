// The clean-up of what killed copies left in a results folder.
#include "rename/copy_markers.h"
#include "rename/leftovers.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvander;

namespace {

class Leftovers : public ::testing::Test {
protected:
    Leftovers() {
        // A process id that certainly ran on this host and no longer runs.
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        deadPid = child;
    }

    // A work file name as the given process on the given host makes them.
    QString ownName(qint64 pid, const char* random, const QByteArray& host, const char* ending) {
        return QStringLiteral(".corvander-%1-%2-%3%4")
            .arg(pid)
            .arg(QLatin1String(random), QString::fromLatin1(host), QLatin1String(ending));
    }

    QString put(const QString& name, const QByteArray& bytes = "x") {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return name;
    }

    QString putMarker(const char* random, CopyMarker::State state, qint64 size,
                      const QByteArray& name) {
        return put(ownName(deadPid, random, thisHost(), ".mark"),
                   encodeMarker({state, size, name}));
    }

    QStringList entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    QTemporaryDir folder;
    qint64 deadPid = 0;
};

} // namespace

TEST_F(Leftovers, OnlyWorkFilesOfDeadProcessesOfThisHostGo) {
    const QString dead = put(ownName(deadPid, "a1", thisHost(), ".part"));
    QStringList kept = {
        put(QString::fromLatin1(ownFileName(OwnFileKind::Part))),  // this process
        put(ownName(::getppid(), "b2", thisHost(), ".part")),      // a running one
        put(ownName(deadPid, "c3", "elsewhere.example", ".part")), // another host's
        put(QStringLiteral(".corvander-k3x9.part")),               // an older program's
        put(ownName(deadPid, "d4", thisHost(), ".txt")),
        put(QStringLiteral("notes.part")),
        put(QStringLiteral("report.pdf")),
    };
    // Not a regular file: a folder, and a link whose target must survive.
    const QString folderName = ownName(deadPid, "e5", thisHost(), ".part");
    ASSERT_TRUE(QDir(folder.path()).mkdir(folderName));
    const QString linkName = ownName(deadPid, "f6", thisHost(), ".part");
    ASSERT_TRUE(
        QFile::link(folder.filePath(QStringLiteral("report.pdf")), folder.filePath(linkName)));
    kept << folderName << linkName;

    removeLeftovers(folder.path());
    kept.sort();
    EXPECT_EQ(entries(), kept);
    EXPECT_FALSE(entries().contains(dead));
    EXPECT_EQ(fileBytes(folder.filePath(QStringLiteral("report.pdf"))), "x");
}

TEST_F(Leftovers, AMarkerTakesOnlyTheUnfinishedCopyItNamesWithIt) {
    using State = CopyMarker::State;
    putMarker("m1", State::Created, 10, "half.pdf");
    put(QStringLiteral("half.pdf"), "1234");
    putMarker("m2", State::Created, 10, "whole.pdf");
    put(QStringLiteral("whole.pdf"), "0123456789");
    // Bigger than the copy could be: not the copy's.
    putMarker("m3", State::Created, 10, "grown.pdf");
    put(QStringLiteral("grown.pdf"), "0123456789 and more");
    // About to be created: someone else may have taken the name since.
    putMarker("m4", State::Pending, 10, "taken.pdf");
    put(QStringLiteral("taken.pdf"), "theirs");
    putMarker("m5", State::Pending, 10, "empty.pdf");
    put(QStringLiteral("empty.pdf"), "");
    putMarker("m6", State::Created, 10, "gone.pdf");
    // Never a path out of the folder, nor a garbled marker's file.
    QTemporaryDir outside;
    const QString outsideFile = outside.filePath(QStringLiteral("outside.pdf"));
    QFile(outsideFile).open(QIODevice::WriteOnly);
    putMarker("m7", State::Created, 10,
              "../" + QFile::encodeName(QDir(outside.path()).dirName()) + "/outside.pdf");
    put(ownName(deadPid, "m8", thisHost(), ".mark"), "garbled");
    // A running process's marker and copy stay.
    const QString liveMarker = put(ownName(::getppid(), "m9", thisHost(), ".mark"),
                                   encodeMarker({State::Created, 10, "busy.pdf"}));
    put(QStringLiteral("busy.pdf"), "12");

    removeLeftovers(folder.path());
    EXPECT_EQ(entries(), (QStringList{liveMarker, "busy.pdf", "grown.pdf", "taken.pdf"}));
    EXPECT_TRUE(QFile::exists(outsideFile));
}
