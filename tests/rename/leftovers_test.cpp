// The clean-up of what killed copies left in a results folder.
#include "rename/copy_markers.h"
#include "rename/leftovers.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvander;
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

    QStringList entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(Leftovers, OnlyWorkFilesOfDeadProcessesOfThisHostGo) {
    put(ownName(".part"));
    QStringList kept = {
        put(QString::fromLatin1(ownFileName(OwnFileKind::Part))), // this process
        put(ownName(".part", ::getppid())),                       // a running one
        put(ownName(".part", 0, "elsewhere.example")),            // another host's
        put(QStringLiteral(".corvander-k3x9.part")),              // an older program's
        put(ownName(".txt")),
        put(QStringLiteral("report.pdf")),
    };
    const QString link = ownName(".part");
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("report.pdf")), folder.filePath(link)));
    kept << link;

    removeLeftovers(folder.path());
    kept.sort();
    EXPECT_EQ(entries(), kept);
    EXPECT_EQ(fileBytes(folder.filePath(QStringLiteral("report.pdf"))), "x");
}

// A created copy goes up to its whole size; a name only about to be created may have been taken
// by someone else since, so only an empty file goes. Nothing outside the folder is reached.
TEST_F(Leftovers, AMarkerTakesOnlyTheUnfinishedCopyItNames) {
    const struct {
        State state;
        const char* name;
        QByteArray bytes;
        bool removed;
    } cases[] = {
        {State::Created, "half.pdf", "1234", true},
        {State::Created, "grown.pdf", "0123456789 and more", false},
        {State::Pending, "taken.pdf", "theirs", false},
        {State::Pending, "empty.pdf", "", true},
    };
    QStringList kept;
    for (const auto& c : cases) {
        put(ownName(".mark"), encodeMarker({c.state, 10, c.name}));
        put(QString::fromLatin1(c.name), c.bytes);
        if (!c.removed)
            kept << QString::fromLatin1(c.name);
    }
    QTemporaryDir outside;
    const QString outsideFile = outside.filePath(QStringLiteral("outside.pdf"));
    QFile(outsideFile).open(QIODevice::WriteOnly);
    put(ownName(".mark"),
        encodeMarker({State::Created, 10,
                      "../" + QFile::encodeName(QDir(outside.path()).dirName()) + "/outside.pdf"}));
    put(ownName(".mark"), "garbled");

    removeLeftovers(folder.path());
    EXPECT_EQ(entries(), kept);
    EXPECT_TRUE(QFile::exists(outsideFile));
}
