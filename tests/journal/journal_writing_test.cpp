#include "journal/file_digest.h"
#include "journal/journal_folder.h"
#include "journal/journal_lines.h"
#include "tests/journal/journal_fixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

namespace corvander {

namespace {

QJsonObject objectOf(const QByteArray& line) {
    return QJsonDocument::fromJson(line).object();
}

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

} // namespace

TEST_F(JournalTest, EachLineIsWholeInThePrivateJournalOnceRecorded) {
    // A state folder that does not exist yet, parents included.
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.filePath(QStringLiteral("a/b"))));
    const auto [from, copy] = sourceAndCopy(QStringLiteral("in.pdf"), "%PDF-1.4 text");
    const auto journal = RunJournal::begin(runStart());
    ASSERT_EQ(journal->failure(), QString());
    EXPECT_TRUE(journal->path().startsWith(state.filePath(QStringLiteral("a/b/corvander/run-"))));
    EXPECT_EQ(modeOf(state.filePath(QStringLiteral("a/b/corvander"))), 0700);
    EXPECT_EQ(modeOf(state.filePath(QStringLiteral("a"))), 0700);
    EXPECT_EQ(modeOf(journal->path()), 0600);

    journal->record(FileRecord::copied(from, copy, QStringLiteral("words 1-3 of page 2")));
    journal->record(FileRecord::skipped(from, QStringLiteral("no text"), QStringLiteral("page 2")));
    QList<QByteArray> lines = wholeLines(journal->path());
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(fileBytes(journal->path()).endsWith('\n'));
    const QJsonObject start = objectOf(lines[0]);
    EXPECT_EQ(start.value("type"), "start");
    EXPECT_EQ(start.value("family"), "content");
    EXPECT_EQ(start.value("mode"), 3);
    EXPECT_EQ(start.value("parameters"), QJsonArray({"x=3", "y=2"}));
    EXPECT_EQ(start.value("resultsFolder"), results.path());
    const QJsonObject copied = objectOf(lines[1]);
    EXPECT_EQ(copied.value("source"), from);
    EXPECT_EQ(copied.value("newPath"), copy);
    EXPECT_EQ(copied.value("size"), 13);
    const QByteArray sha256 =
        QCryptographicHash::hash("%PDF-1.4 text", QCryptographicHash::Sha256).toHex();
    EXPECT_EQ(copied.value("sha256").toString().toLatin1(), sha256);
    EXPECT_EQ(sha256OfFile(copy), sha256);
    const QString link = state.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(copy, link));
    EXPECT_EQ(sha256OfFile(link), QByteArray()) << "a link is not followed";
    EXPECT_EQ(copied.value("provenance"), "words 1-3 of page 2");
    EXPECT_FALSE(copied.contains("skipReason"));
    const QJsonObject skipped = objectOf(lines[2]);
    EXPECT_EQ(skipped.value("skipReason"), "no text");
    EXPECT_FALSE(skipped.contains("newPath"));

    journal->end(true, 2, 5);
    lines = wholeLines(journal->path());
    ASSERT_EQ(lines.size(), 4);
    const QJsonObject end = objectOf(lines[3]);
    EXPECT_EQ(end.value("type"), "end");
    EXPECT_EQ(end.value("stopped"), true);
    EXPECT_EQ(end.value("handled"), 2);
    EXPECT_EQ(end.value("total"), 5);
}

TEST_F(JournalTest, FolderAndNamesFollowTheStateHomeAndTheStartTime) {
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(sources.path()));
    const QString fallback = sources.filePath(QStringLiteral(".local/state/corvander"));
    for (const QByteArray& value : {QByteArray(), QByteArray("relative/state")}) {
        qputenv("XDG_STATE_HOME", value);
        EXPECT_EQ(RunJournal::folder(), fallback) << value.constData();
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    EXPECT_EQ(RunJournal::folder(), state.filePath(QStringLiteral("corvander")));

    // Two runs of one process in the same millisecond, and an earlier one begun after them.
    const QDateTime time(QDate(2024, 3, 31), QTime(1, 30, 5, 7), Qt::UTC);
    const auto first = RunJournal::begin(runStart(time));
    const auto second = RunJournal::begin(runStart(time));
    const auto earlier = RunJournal::begin(runStart(time.addSecs(-3600)));
    EXPECT_TRUE(first->path().endsWith(QStringLiteral("/run-20240331-013005-007-%1.jsonl")
                                           .arg(QCoreApplication::applicationPid())));
    EXPECT_EQ(runJournals(), (QStringList{second->path(), first->path(), earlier->path()}));
}

// The run goes on whatever happens to its journal; the failure is told once.
TEST_F(JournalTest, AJournalThatCannotBeWrittenIsReportedOnce) {
    const auto [from, copy] = sourceAndCopy(QStringLiteral("in.pdf"), "%PDF-1.4");
    QStringList failures;
    const auto note = [&](const QString& failure) { failures.append(failure); };

    // The state home is a file, so no folder can be made.
    const QString blocker = source(QStringLiteral("blocker"), "x");
    qputenv("XDG_STATE_HOME", QFile::encodeName(blocker));
    const auto unwritable = RunJournal::begin(runStart(), note);
    unwritable->record(FileRecord::copied(from, copy, {}));
    unwritable->end(false, 1, 1);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("Cannot create the run journal folder ")));
    EXPECT_EQ(unwritable->failure(), failures[0]);
    EXPECT_EQ(unwritable->path(), QString());

    // The disk fills up in the middle of a line: the part written is taken back, and nothing
    // more is written even when space comes back.
    failures.clear();
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    const auto journal = RunJournal::begin(runStart(), note);
    journal->record(FileRecord::copied(from, copy, {}));
    const QByteArray before = fileBytes(journal->path());
    {
        const FileSizeLimit full(before.size() + 40);
        journal->record(FileRecord::copied(from, copy, QString(200, QLatin1Char('p'))));
    }
    journal->record(FileRecord::copied(from, copy, {}));
    journal->end(false, 3, 3);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("Cannot write the run journal ")));
    EXPECT_EQ(fileBytes(journal->path()), before);
}

} // namespace corvander
