// What a real run does in its results folder besides copying: it keeps to the folder it opened,
// and its clean-up leaves alone what is not a dead run's of the same user.
#include "copying/copy_markers.h"
#include "extract/extraction_pool.h"
#include "journal/journal_folder.h"
#include "run/rename_run.h"
#include "tests/run/rename_fixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvander {

namespace {

class RunFolder : public RenameTest {
protected:
    RenameRunPorts ports() {
        return {dialogs,
                window->progress(),
                window->busyPointer(),
                window->fileList(),
                window->renameControls(),
                window->extractionPool(),
                window->waiter(),
                {QStringLiteral("Form1.PushButton2_Click"), QStringLiteral("Form1.RenameFile"),
                 QStringLiteral("Form1.RenameMeta")}};
    }

    // The name of a marker of a dead process of this host, as a killed run leaves it.
    static QString deadMarkerName() {
        static int count = 0;
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return QStringLiteral(".corvander-%1-d%2-%3.mark")
            .arg(QString::number(child), QString::number(++count),
                 QString::fromLatin1(corvander::thisHost()));
    }

    // What a marker of a created copy says about the file now at `path`.
    static QByteArray markerNaming(const QString& path) {
        struct stat info {};
        EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
        CopyMarker marker{CopyMarker::State::Created, qint64(1) << 30,
                          QFile::encodeName(QFileInfo(path).fileName())};
        marker.device = info.st_dev;
        marker.inode = info.st_ino;
        return corvander::encodeMarker(marker);
    }

    // Writes the file as user 65534; empty when it worked, else why not.
    static QString writeAsNobody(const QString& path, const QByteArray& bytes) {
        QProcess process;
        process.start(QStringLiteral("setpriv"),
                      {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "sh", "-c",
                       "cat > \"$0\"", path});
        process.write(bytes);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return QStringLiteral("setpriv: ") + process.errorString() + QLatin1Char(' ') +
                   QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return {};
    }
};

} // namespace

// A shared sticky folder that is both the results folder and the sources' folder. Markers planted
// there by another user name a third user's file and the run's own source; markers of the same
// user name them too. The run's clean-up removes none of those files, and nothing of the other
// user; only the same user's dead markers themselves go.
TEST_F(RunFolder, TheCleanUpLeavesOtherUsersFilesAndTheRunsSources) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting files of other users needs root";
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    const QString source = shared.filePath(QStringLiteral("in.pdf"));
    ASSERT_TRUE(writePdf(source, pdfOfPages({QStringLiteral("Alpha")})));
    window->fileList().appendEntry(source);
    const QByteArray sourceBytes = fileBytes(source);
    const QString third = shared.filePath(QStringLiteral("third.pdf"));
    QFile thirdFile(third);
    ASSERT_TRUE(thirdFile.open(QIODevice::WriteOnly));
    thirdFile.write("third");
    thirdFile.close();
    ASSERT_EQ(::chown(QFile::encodeName(third).constData(), 65533, 65533), 0);

    QStringList kept = {QStringLiteral("Alpha.pdf"), QStringLiteral("in.pdf"),
                        QStringLiteral("third.pdf")};
    for (const QString& named : {third, source}) {
        const QString marker = deadMarkerName();
        const QString failure = writeAsNobody(shared.filePath(marker), markerNaming(named));
        if (!failure.isEmpty())
            GTEST_SKIP() << "cannot act as another user: " << failure.toStdString();
        kept << marker;
        QFile own(shared.filePath(deadMarkerName()));
        ASSERT_TRUE(own.open(QIODevice::WriteOnly));
        own.write(markerNaming(named));
    }
    const QString part = QStringLiteral(".corvander-1-nobody-%1.part")
                             .arg(QString::fromLatin1(corvander::thisHost()));
    ASSERT_EQ(writeAsNobody(shared.filePath(part), "partial"), QString());
    kept << part;

    ui.Text1->setText(shared.path());
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    ui.PushButton2->click();

    kept.sort();
    EXPECT_EQ(contentOf(shared.path()).keys(), kept);
    EXPECT_EQ(fileBytes(source), sourceBytes);
    EXPECT_EQ(fileBytes(third), "third");
}

// The results folder is renamed and a link to another folder put in its place after the first
// file: the following copies still go into the folder the run opened, and the journal names them
// by the path the run was given.
TEST_F(RunFolder, AFolderSwappedForALinkMidRunChangesNothing) {
    const QString out = results.filePath(QStringLiteral("out"));
    const QString moved = results.filePath(QStringLiteral("moved"));
    const QString elsewhere = results.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    for (const char* word : {"Alpha", "Beta", "Gamma"})
        addPdf(QLatin1String(word) + QStringLiteral(".pdf"), {QString::fromLatin1(word)});
    ui.Text1->setText(out);
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));

    RunOptions options;
    QStringList names;
    options.fileDone = [&](int position, const FileOutcome& outcome) {
        names << outcome.fileName;
        if (position != 1)
            return;
        ASSERT_TRUE(QDir().rename(out, moved));
        ASSERT_TRUE(QFile::link(elsewhere, out));
    };
    bool running = false;
    RunRenaming(ports(), running, options);

    EXPECT_EQ(names, (QStringList{"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}));
    EXPECT_EQ(contentOf(moved).keys(), (QStringList{"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}));
    EXPECT_TRUE(contentOf(elsewhere).isEmpty());
    const std::optional<QString> journal = corvander::lastReportJournal();
    ASSERT_TRUE(journal);
    const QByteArray lines = fileBytes(*journal);
    EXPECT_TRUE(lines.contains(QFile::encodeName(out + QStringLiteral("/Gamma.pdf"))));
    EXPECT_FALSE(lines.contains(QFile::encodeName(elsewhere)));
}

} // namespace corvander
