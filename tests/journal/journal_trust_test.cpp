// Undo acts only on the user's own journals, and only on what they say the run made inside its
// results folder: entries written by hand to point elsewhere are kept.
#include "journal/journal_lines.h"
#include "journal/journal_undo.h"
#include "tests/journal/journal_fixture.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QStandardPaths>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

constexpr uid_t kNobody = 65534;

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// A copy line as one could write it by hand: the size and SHA-256 of the bytes, at a path of one's
// choosing, with no device or inode (as journals had before they were recorded).
FileRecord handWritten(const QString& text, const QByteArray& bytes,
                       const QByteArray& native = {}) {
    FileRecord record;
    record.source = QStringLiteral("/in/a.pdf");
    record.newPath = text;
    record.nativeNewPath = native;
    record.size = bytes.size();
    record.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return record;
}

} // namespace

TEST_F(JournalTest, EntriesLeadingOutOfTheResultsFolderAreKept) {
    const QByteArray bytes = "%PDF-1.4 precious";
    const QString outside = source(QStringLiteral("precious.pdf"), bytes);
    const QString folder = results.path();
    const QString below = folder + QStringLiteral("/sub/made.pdf");
    const QString named = folder + QStringLiteral("/named.pdf");
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub")));
    write(below, bytes);
    write(named, bytes);
    ASSERT_TRUE(QFile::link(sources.path(), folder + QStringLiteral("/link")));

    struct Entry {
        QString text;
        QByteArray native; // empty: the text's own bytes
        QString reason;    // empty: removed
    };
    const QList<Entry> entries{
        {outside, {}, QStringLiteral("outside the results folder")},
        {folder + QStringLiteral("/../") + QFileInfo(sources.path()).fileName() +
             QStringLiteral("/precious.pdf"),
         {},
         QStringLiteral("outside the results folder")},
        {folder + QStringLiteral("/link/precious.pdf"), {}, QStringLiteral("a link in its path")},
        // The text names a file of the run, the bytes another: what would be touched is told.
        {named, QFile::encodeName(outside), QStringLiteral("its name and its bytes disagree")},
        {below, {}, {}},
    };
    const auto journal = RunJournal::begin(runStart());
    for (const Entry& entry : entries)
        journal->record(handWritten(entry.text, bytes, entry.native));
    journal->end(false, 5, 5);

    const UndoOutcome outcome = undoRun(journal->path());
    EXPECT_EQ(outcome.status, UndoStatus::Done);
    EXPECT_EQ(outcome.removed, QStringList{below});
    EXPECT_EQ(outcome.removedBytes, QList<QByteArray>{QFile::encodeName(below)});
    ASSERT_EQ(outcome.kept.size(), 4);
    for (qsizetype i = 0; i < 4; ++i) {
        const QByteArray touched =
            entries[i].native.isEmpty() ? QFile::encodeName(entries[i].text) : entries[i].native;
        EXPECT_EQ(outcome.kept[i], std::make_pair(QFile::decodeName(touched), entries[i].reason));
        EXPECT_EQ(outcome.keptBytes.value(i), touched);
    }
    EXPECT_EQ(fileBytes(outside), bytes);
    EXPECT_EQ(fileBytes(named), bytes);
    EXPECT_FALSE(QFile::exists(below));

    // The results folder itself may be reached through a link the user chose.
    const QString chosen = sources.filePath(QStringLiteral("chosen"));
    ASSERT_TRUE(QFile::link(folder, chosen));
    corvander::RunStart start = runStart();
    start.resultsFolder = chosen;
    const auto throughLink = RunJournal::begin(start);
    throughLink->record(handWritten(chosen + QStringLiteral("/named.pdf"), bytes));
    throughLink->end(false, 1, 1);
    EXPECT_EQ(undoRun(throughLink->path()).removed,
              QStringList{chosen + QStringLiteral("/named.pdf")});
    EXPECT_FALSE(QFile::exists(named));
}

// Another user's journal, or one that others could have written to, is refused as a whole.
TEST_F(JournalTest, AJournalThatIsNotTheUsersOwnIsRefused) {
    struct Case {
        const char* name;
        std::function<int(const char*)> spoil;
        QString refusal;
    };
    const QList<Case> cases{
        {"theirs.pdf", [](const char* path) { return ::chown(path, kNobody, kNobody); },
         QStringLiteral("the journal is not yours")},
        {"everyones.pdf", [](const char* path) { return ::chmod(path, 0666); },
         QStringLiteral("the journal is writable by others")},
        {"groups.pdf", [](const char* path) { return ::chmod(path, 0620); },
         QStringLiteral("the journal is writable by others")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        if (::geteuid() != 0 && test.refusal == QStringLiteral("the journal is not yours")) {
            std::puts("Only root can give a journal to another user; that case is left out.");
            continue;
        }
        const auto [from, copy] = sourceAndCopy(QLatin1String(test.name), "%PDF-1.4 mine");
        const auto journal = RunJournal::begin(runStart());
        journal->record(FileRecord::copied(from, copy, {}));
        journal->end(false, 1, 1);
        ASSERT_EQ(test.spoil(QFile::encodeName(journal->path()).constData()), 0);

        const UndoOutcome outcome = undoRun(journal->path());
        EXPECT_EQ(outcome.status, UndoStatus::Refused);
        EXPECT_EQ(outcome.refusal, test.refusal);
        EXPECT_TRUE(outcome.removed.isEmpty() && outcome.kept.isEmpty());
        EXPECT_EQ(undoMessage(outcome),
                  QStringLiteral("The record of this run was refused (%1). Nothing was removed.")
                      .arg(test.refusal));
        EXPECT_EQ(fileBytes(copy), "%PDF-1.4 mine");
        EXPECT_FALSE(readJournal(journal->path())->undone);
    }
}

// A journal written by another user (nobody) names root's own copies; root undoing it removes
// nothing.
TEST_F(JournalTest, RootRefusesAJournalAnotherUserWrote) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::geteuid() != 0 || setpriv.isEmpty())
        GTEST_SKIP() << "needs root and setpriv to write a journal as another user";
    QTemporaryDir theirState;
    ASSERT_EQ(::chown(QFile::encodeName(theirState.path()).constData(), kNobody, kNobody), 0);
    // The copies are root's; the other user only needs to read them to record them.
    for (const QString& folder : {results.path(), sources.path()})
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    QStringList arguments{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), QStringLiteral(JOURNAL_CHILD_PROGRAM),
                          results.path()};
    QStringList copies;
    for (const char* name : {"a.pdf", "b.pdf"}) {
        const auto [from, copy] =
            sourceAndCopy(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
        ASSERT_EQ(::chmod(QFile::encodeName(copy).constData(), 0644), 0);
        arguments << from << copy;
        copies << copy;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), theirState.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(setpriv, arguments);
    ASSERT_TRUE(child.waitForStarted());
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    const QString journal = QFile::decodeName(child.readLine().trimmed());
    child.kill();
    child.waitForFinished();
    ASSERT_TRUE(journal.startsWith(theirState.path())) << journal.toStdString();
    ASSERT_EQ(readJournal(journal)->copies(), 2);

    const UndoOutcome outcome = undoRun(journal);
    EXPECT_EQ(outcome.status, UndoStatus::Refused);
    EXPECT_EQ(outcome.refusal, QStringLiteral("the journal is not yours"));
    for (const QString& copy : copies)
        EXPECT_TRUE(QFile::exists(copy)) << copy.toStdString();
}

// The journal names the very file the run made; another put in its place with the same bytes is
// not it.
TEST_F(JournalTest, ACopyReplacedByTheSameBytesIsKept) {
    const auto [from, copy] = sourceAndCopy(QStringLiteral("a.pdf"), "%PDF-1.4 same");
    const auto journal = RunJournal::begin(runStart());
    journal->record(FileRecord::copied(from, copy, {}));
    journal->end(false, 1, 1);
    struct stat made {};
    ASSERT_EQ(::stat(QFile::encodeName(copy).constData(), &made), 0);
    const std::optional<JournalContent> content = readJournal(journal->path());
    ASSERT_TRUE(content && content->files.size() == 1 && content->files[0].identity);
    EXPECT_EQ(*content->files[0].identity,
              (DeviceAndInode{quint64(made.st_dev), quint64(made.st_ino)}));

    // Made before the copy goes, so that it cannot be given the copy's inode again.
    const QString twin = results.filePath(QStringLiteral("twin"));
    write(twin, "%PDF-1.4 same");
    ASSERT_EQ(::rename(QFile::encodeName(twin).constData(), QFile::encodeName(copy).constData()),
              0);
    const UndoOutcome outcome = undoRun(journal->path());
    EXPECT_TRUE(outcome.removed.isEmpty());
    const QList<std::pair<QString, QString>> kept{{copy, QStringLiteral("not made by this run")}};
    EXPECT_EQ(outcome.kept, kept);
    EXPECT_EQ(fileBytes(copy), "%PDF-1.4 same");
}

// Device and inode numbers keep every bit through the journal, and fields that cannot be read
// match no file at all.
TEST_F(JournalTest, DeviceAndInodeNumbersSurviveTheJournal) {
    FileRecord record = handWritten(QStringLiteral("/out/a.pdf"), "x");
    record.identity = DeviceAndInode{0xfffffffffffffff1ULL, (1ULL << 53) + 1};
    QByteArray bytes = startLine(runStart(), 1) + fileLine(record);
    bytes += R"({"type":"file","newPath":"/out/b.pdf","size":1,"sha256":"ab","device":"x"})"
             "\n";
    const std::optional<JournalContent> content = parseJournal(bytes);
    ASSERT_TRUE(content && content->files.size() == 2);
    EXPECT_EQ(content->files[0].identity, record.identity);
    EXPECT_EQ(content->files[1].identity, DeviceAndInode{});
}

} // namespace corvander
