// Undoing runs from the command line, what a command-line run leaves for the window's undo, and
// what a killed run leaves for either.
#include "tests/cli/program_runner.h"
#include "tests/run/rename_fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvander {

namespace {

QStringList journalsIn(const QString& stateFolder) {
    const QDir folder(stateFolder + QStringLiteral("/corvander"));
    QStringList paths;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        paths << folder.filePath(name);
    return paths;
}

QMap<QString, QByteArray> folderBytes(const QString& path) {
    QMap<QString, QByteArray> files;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        files.insert(name, fileBytes(folder.filePath(name)));
    return files;
}

class UndoTest : public ::testing::Test {
protected:
    QString pdf(const QString& name, const QString& text) {
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, pdfOfPages({text})));
        return path;
    }

    // The copies, without the hidden work files a killed copy may leave.
    QStringList copies() const { return QDir(results.path()).entryList(QDir::Files); }
    QByteArray copyPath(const QString& name) const { return arg(results.filePath(name)); }
    QStringList journals() const { return journalsIn(program.stateFolder()); }

    QList<QByteArray> renameAll(const QString& words) const {
        return {"rename", "--words", arg(words), "--to", arg(results.path()), arg(sources.path())};
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
};

TEST_F(UndoTest, RemovesTheUnchangedCopiesOnceAndNamesTheChangedOne) {
    pdf(QStringLiteral("a.pdf"), QStringLiteral("Alpha report"));
    pdf(QStringLiteral("b.pdf"), QStringLiteral("Beta report"));
    pdf(QStringLiteral("c.pdf"), QStringLiteral("Gamma report"));
    const auto sourcesBefore = folderBytes(sources.path());

    const ProgramResult nothing = program.run({"undo"});
    EXPECT_EQ(nothing.status, 3);
    EXPECT_EQ(nothing.err, "corvander: there is no run to undo\n");

    ASSERT_EQ(program.run(renameAll(QStringLiteral("1")) << "--dry-run").status, 0);
    EXPECT_EQ(journals(), QStringList()) << "a dry run keeps no journal";

    const ProgramResult run = program.run(renameAll(QStringLiteral("1")));
    ASSERT_EQ(run.status, 0) << run.err.constData();
    ASSERT_EQ(journals().size(), 1);
    QFile changed(results.filePath(QStringLiteral("Gamma.pdf")));
    ASSERT_TRUE(changed.open(QIODevice::Append) && changed.write("edited") > 0);
    changed.close();

    const ProgramResult undo = program.run({"undo"});
    EXPECT_EQ(undo.status, 1) << undo.err.constData();
    EXPECT_EQ(undo.out, "removed\t" + copyPath(QStringLiteral("Alpha.pdf")) + "\nremoved\t" +
                            copyPath(QStringLiteral("Beta.pdf")) + "\nkept\t" +
                            copyPath(QStringLiteral("Gamma.pdf")) + "\tchanged since the run\n");
    EXPECT_EQ(copies(), QStringList{"Gamma.pdf"});
    EXPECT_EQ(folderBytes(sources.path()), sourcesBefore) << "sources are never touched";

    const ProgramResult again = program.run({"undo"});
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.err, "corvander: there is no run to undo\n");
    const QString journal = journals().value(0);
    const ProgramResult named = program.run({"undo", arg(journal)});
    EXPECT_EQ(named.status, 3);
    EXPECT_EQ(named.err, arg("corvander: the run of " + journal + " was undone already\n"));
    EXPECT_EQ(copies(), QStringList{"Gamma.pdf"});
}

TEST_F(UndoTest, UsageErrorsJsonLinesAndJournalsInUseUnreadableOrUnwritable) {
    const ProgramResult two = program.run({"undo", "one.jsonl", "two.jsonl"});
    EXPECT_EQ(two.status, 2);
    EXPECT_TRUE(two.err.startsWith("corvander: undo: give at most one journal\n"))
        << two.err.constData();
    const ProgramResult option = program.run({"undo", "--jobs", "2"});
    EXPECT_EQ(option.status, 2);
    EXPECT_TRUE(option.err.startsWith("corvander: undo: unknown option --jobs\n"))
        << option.err.constData();
    const ProgramResult missing =
        program.run({"undo", arg(sources.filePath(QStringLiteral("none.jsonl")))});
    EXPECT_EQ(missing.status, 3);
    EXPECT_TRUE(missing.err.contains("cannot be read as a run journal")) << missing.err.constData();

    pdf(QStringLiteral("a.pdf"), QStringLiteral("Alpha report"));
    ASSERT_EQ(program.run(renameAll(QStringLiteral("1"))).status, 0);
    const QString journal = journals().value(0);
    {
        // As a run still writing it holds it.
        const int held = ::open(QFile::encodeName(journal).constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        const ProgramResult busy = program.run({"undo", "--json", arg(journal)});
        ::close(held);
        EXPECT_EQ(busy.status, 3);
        EXPECT_TRUE(busy.err.contains("is still going or being undone")) << busy.err.constData();
        EXPECT_EQ(busy.out, "");
    }
    const ProgramResult json = program.run({"undo", "--json", arg(journal)});
    EXPECT_EQ(json.status, 0) << json.err.constData();
    EXPECT_EQ(json.out, "{\"result\":\"removed\",\"path\":\"" +
                            copyPath(QStringLiteral("Alpha.pdf")) + "\"}\n");

    // No journal: the copies are made all the same, and the loss of their undo is told.
    for (const QString& path : journals())
        ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().rmdir(program.stateFolder() + QStringLiteral("/corvander")));
    QFile blocker(program.stateFolder() + QStringLiteral("/corvander"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ProgramResult unjournaled = program.run(renameAll(QStringLiteral("1")));
    EXPECT_EQ(unjournaled.status, 0);
    EXPECT_EQ(copies(), QStringList{"Alpha.pdf"});
    EXPECT_TRUE(unjournaled.err.contains("so the run cannot be undone"))
        << unjournaled.err.constData();
}

TEST_F(UndoTest, AKilledRunLeavesWholeJournalLinesAndItsCopiesAreUndone) {
    constexpr int kFiles = 120;
    QStringList names;
    for (int i = 0; i < kFiles; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
        pdf(QStringLiteral("f%1.pdf").arg(number), QStringLiteral("Document %1 text").arg(number));
        names << QStringLiteral("Document %1.pdf").arg(number);
    }
    const pid_t process = program.start(renameAll(QStringLiteral("2")) << "--jobs"
                                                                       << "2");
    ASSERT_GT(process, 0);
    // Killed once some files are recorded, well before the last.
    for (int wait = 0; wait < 5000; ++wait) {
        const QStringList found = journals();
        if (!found.isEmpty() && fileBytes(found.first()).count('\n') > 10)
            break;
        QThread::msleep(2);
    }
    ::kill(process, SIGKILL);
    EXPECT_EQ(program.finish(process).status, -1);

    ASSERT_EQ(journals().size(), 1);
    const QByteArray bytes = fileBytes(journals().first());
    EXPECT_TRUE(bytes.endsWith('\n')) << "a torn last line";
    QStringList recorded;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        ASSERT_FALSE(object.isEmpty()) << "not a whole line: " << line.constData();
        ASSERT_NE(object.value(QStringLiteral("type")).toString(), QStringLiteral("end"))
            << "the run ended before the kill";
        if (object.contains(QStringLiteral("newPath")))
            recorded << object.value(QStringLiteral("newPath")).toString();
    }
    ASSERT_FALSE(recorded.isEmpty());
    QStringList present = copies();
    for (const QString& path : std::as_const(recorded))
        EXPECT_TRUE(present.removeOne(QFileInfo(path).fileName())) << path.toStdString();
    // A copy's line follows the moment it gets its name: a kill in between leaves that one copy,
    // the next in list order, unrecorded.
    if (!present.isEmpty()) {
        EXPECT_EQ(present, QStringList{names.value(int(recorded.size()))});
    }

    const ProgramResult undo = program.run({"undo"});
    EXPECT_EQ(undo.status, 0) << undo.err.constData();
    QByteArray removed;
    for (const QString& path : std::as_const(recorded))
        removed += "removed\t" + arg(path) + '\n';
    EXPECT_EQ(undo.out, removed);
    EXPECT_EQ(copies(), present);
}

// A journal is a plain file that could be written by hand: the command refuses one that others may
// write, never removes what one names outside its results folder, and prints the very path that
// would be touched.
TEST_F(UndoTest, AHandWrittenJournalRemovesNothingOutsideItsResultsFolder) {
    const QByteArray bytes = "%PDF-1.4 precious";
    const QString outside = sources.filePath(QStringLiteral("precious.pdf"));
    const QString named = results.filePath(QStringLiteral("named.pdf"));
    for (const QString& path : {outside, named}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const QString sha256 =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    const auto line = [](const QJsonObject& object) {
        return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    };
    const QByteArray lines =
        line({{"type", "start"},
              {"version", 1},
              {"time", "2024-05-01T09:30:00.000Z"},
              {"pid", 1},
              {"family", "content"},
              {"mode", 0},
              {"resultsFolder", results.path()}}) +
        line({{"type", "file"},
              {"source", "/in/a.pdf"},
              {"newPath", outside},
              {"size", bytes.size()},
              {"sha256", sha256}}) +
        line({{"type", "file"},
              {"source", "/in/b.pdf"},
              {"newPath", named},
              {"newPathBytes", QString::fromLatin1(QFile::encodeName(outside).toBase64())},
              {"size", bytes.size()},
              {"sha256", sha256}});
    const QString journal = sources.filePath(QStringLiteral("hand.jsonl"));
    QFile file(journal);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size());
    file.close();

    ASSERT_TRUE(file.setPermissions(file.permissions() | QFile::WriteOther));
    const ProgramResult refused = program.run({"undo", arg(journal)});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.err, arg("corvander: " + journal +
                               " is refused (the journal is writable by others); nothing was "
                               "removed\n"));
    EXPECT_EQ(refused.out, "");

    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    const ProgramResult undo = program.run({"undo", arg(journal)});
    EXPECT_EQ(undo.status, 1) << undo.err.constData();
    EXPECT_EQ(undo.out, "kept\t" + arg(outside) + "\toutside the results folder\nkept\t" +
                            arg(outside) + "\tits name and its bytes disagree\n");
    EXPECT_EQ(fileBytes(outside), bytes);
    EXPECT_EQ(fileBytes(named), bytes);
}

// The window and the command line keep their journals in one folder, each undoing the other's.
class SharedJournalTest : public RenameTest {
protected:
    // The window's journals go where the command's do, for the test's length.
    void SetUp() override {
        RenameTest::SetUp();
        m_savedState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(program.stateFolder()));
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", m_savedState); }

    ProgramRunner program;

private:
    QByteArray m_savedState;
};

TEST_F(SharedJournalTest, TheWindowUndoesACommandsRunAndTheCommandTheWindows) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta two")});
    // A results folder named relative to the command's working folder, which the window's is not.
    const ProgramResult run =
        program.run({"rename", "--words", "1", "--to", ".", arg(sources.path())}, results.path());
    ASSERT_EQ(run.status, 0) << run.err.constData();
    ASSERT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Beta.pdf"}));
    Form1Controls::glanceAt(ui.mnuRename); // open all along, the window offers the run's undo
    ASSERT_TRUE(ui.mnuUndo->isEnabled());
    dialogs.answerYesNo(true);
    ui.mnuUndo->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Removed 2 copies.")});
    EXPECT_EQ(resultNames(), QStringList());

    dialogs.clear();
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    ASSERT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Beta.pdf"}));
    const ProgramResult undo = program.run({"undo"});
    EXPECT_EQ(undo.status, 0) << undo.err.constData();
    EXPECT_EQ(undo.lines().size(), 2);
    EXPECT_EQ(resultNames(), QStringList());
}

} // namespace

} // namespace corvander
