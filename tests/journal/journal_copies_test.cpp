// Copies recorded while their digests are read on the journal's own thread: the lines keep the
// order of the calls whatever the thread is doing, each carries its copy's digest, and a
// failure met on that thread reaches the handler once, on the thread that owns the journal.
#include "journal/file_digest.h"
#include "journal/journal_lines.h"
#include "tests/journal/journal_fixture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <thread>

namespace corvander {

namespace {

QJsonObject objectOf(const QByteArray& line) {
    return QJsonDocument::fromJson(line).object();
}

} // namespace

TEST_F(JournalTest, CopiesAndSkipsKeepTheirOrderAndEveryCopyItsDigest) {
    // Large enough that reading a copy back takes longer than recording a skip.
    QStringList copies;
    QStringList sources;
    for (int i = 0; i < 6; ++i) {
        const auto [from, copy] =
            sourceAndCopy(QStringLiteral("in%1.pdf").arg(i), QByteArray(300000 + i, char('a' + i)));
        sources << from;
        copies << copy;
    }
    auto journal = RunJournal::begin(runStart());
    QStringList expected;
    for (int i = 0; i < 6; ++i) {
        journal->recordCopy(sources[i], copies[i], QStringLiteral("copy %1").arg(i));
        expected << QStringLiteral("copy %1").arg(i);
        if (i % 2 == 1) {
            journal->record(FileRecord::skipped(sources[i], QStringLiteral("no text"),
                                                QStringLiteral("skip %1").arg(i)));
            expected << QStringLiteral("skip %1").arg(i);
        }
    }
    journal->end(false, 9, 9);

    const QList<QByteArray> lines = wholeLines(journal->path());
    ASSERT_EQ(lines.size(), expected.size() + 2);
    EXPECT_EQ(objectOf(lines.last()).value("type"), "end");
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QJsonObject line = objectOf(lines[i + 1]);
        EXPECT_EQ(line.value("provenance").toString(), expected[i]);
        if (line.contains("newPath")) {
            const QString copy = line.value("newPath").toString();
            EXPECT_EQ(line.value("sha256").toString().toLatin1(), sha256OfFile(copy));
        }
    }
    const std::optional<JournalContent> content = readJournal(journal->path());
    ASSERT_TRUE(content);
    EXPECT_EQ(content->copies(), 6);
}

// A journal dropped without end(), as when the run is cut short, still has a line for every
// copy made: a copy without its line could never be undone.
TEST_F(JournalTest, ACopyRecordedJustBeforeTheJournalIsDroppedKeepsItsLine) {
    const auto [from, copy] = sourceAndCopy(QStringLiteral("in.pdf"), QByteArray(2000000, 'x'));
    QString path;
    {
        auto journal = RunJournal::begin(runStart());
        path = journal->path();
        journal->recordCopy(from, copy, {});
    }
    const std::optional<JournalContent> content = readJournal(path);
    ASSERT_TRUE(content);
    EXPECT_FALSE(content->ended);
    EXPECT_EQ(content->copies(), 1);
}

TEST_F(JournalTest, AFailureOnTheDigestThreadIsToldOnceOnTheOwnersThread) {
    const auto [from, copy] = sourceAndCopy(QStringLiteral("in.pdf"), "%PDF-1.4");
    QStringList failures;
    std::thread::id toldOn;
    auto journal = RunJournal::begin(runStart(), [&](const QString& failure) {
        failures.append(failure);
        toldOn = std::this_thread::get_id();
    });
    const QByteArray before = fileBytes(journal->path());
    {
        const FileSizeLimit full(before.size() + 40);
        journal->recordCopy(from, copy, QString(200, QLatin1Char('p')));
        // The line is written on the journal's thread; the next call tells what happened to it.
        journal->record(FileRecord::skipped(from, QStringLiteral("no text"), {}));
    }
    journal->recordCopy(from, copy, {});
    journal->end(false, 3, 3);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("Cannot write the run journal ")));
    EXPECT_EQ(toldOn, std::this_thread::get_id());
    EXPECT_EQ(fileBytes(journal->path()), before);
}

} // namespace corvander
