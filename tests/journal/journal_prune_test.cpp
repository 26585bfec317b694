#include "journal/journal_folder.h"
#include "journal/journal_undo.h"
#include "tests/journal/journal_fixture.h"

namespace corvander {

namespace {

constexpr qint64 kMiB = 1024 * 1024;

// The journal grown to the size (sparse: it takes no room in the test's folder).
void growTo(const QString& journal, qint64 size) {
    QFile file(journal);
    ASSERT_TRUE(file.resize(size)) << journal.toStdString();
}

} // namespace

// A GNU parallel batch keeps one journal per process: each of its runs, started one after the
// other as the command does (pruning first), can still be undone afterwards.
TEST_F(JournalTest, EveryOneOfSixtyRunsCanBeUndoneNewestFirst) {
    QStringList copies;
    for (int run = 0; run < 60; ++run) {
        pruneJournals(QDateTime::currentDateTime());
        const auto [from, copy] =
            sourceAndCopy(QStringLiteral("f%1.pdf").arg(run, 2, 10, QChar('0')),
                          QByteArray("%PDF run ") + QByteArray::number(run));
        const auto journal = RunJournal::begin(runStart());
        journal->record(FileRecord::copied(from, copy, {}));
        journal->end(false, 1, 1);
        copies.prepend(copy);
    }
    pruneJournals(QDateTime::currentDateTime());
    for (const QString& copy : std::as_const(copies)) {
        const std::optional<QString> last = lastRunJournal();
        ASSERT_TRUE(last) << "no run left to undo for " << copy.toStdString();
        EXPECT_EQ(undoRun(*last).removed, QStringList{copy});
    }
    EXPECT_EQ(lastRunJournal(), std::nullopt);
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files), QStringList());
}

// Past the size limit the oldest journals go first, and only as many as needed; never one of the
// last 7 days, nor one in use, however large.
TEST_F(JournalTest, PruningBySizeTakesTheOldestButNeverAYoungOneNorOneInUse) {
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    const auto journalOf = [&](int days, qint64 size) {
        const auto journal = RunJournal::begin(runStart(now.addDays(-days)));
        journal->end(false, 0, 0);
        growTo(journal->path(), size);
        return journal->path();
    };
    journalOf(100, 1024); // gone by age alone
    journalOf(30, 30 * kMiB);
    journalOf(20, 30 * kMiB);
    const auto inUse = RunJournal::begin(runStart(now.addDays(-15)));
    growTo(inUse->path(), 30 * kMiB);
    const QString tenDays = journalOf(10, 1024);
    const QString threeDays = journalOf(3, 30 * kMiB);
    const QString today = journalOf(0, 1024);

    // 120 MiB after the age limit: the two oldest bring it to 60.
    EXPECT_EQ(pruneJournals(now), 3);
    EXPECT_EQ(runJournals(), (QStringList{today, threeDays, tenDays, inUse->path()}));

    // Still past the limit with all that may go gone: the young and the busy stay.
    growTo(threeDays, 100 * kMiB);
    EXPECT_EQ(pruneJournals(now), 1);
    EXPECT_EQ(runJournals(), (QStringList{today, threeDays, inUse->path()}));
}

TEST_F(JournalTest, PruningDropsOldJournalsButNothingElseAndNothingInUse) {
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    const auto journalOf = [&](int days) {
        const auto journal = RunJournal::begin(runStart(now.addDays(-days)));
        journal->end(false, 0, 0);
        return journal->path();
    };
    const QString dayOld = journalOf(1);
    const QString nearlyNinety = journalOf(89);
    journalOf(91);
    journalOf(400);
    const auto stillWriting = RunJournal::begin(runStart(now.addDays(-200)));
    // Things in the folder that are not journals, or not plain files, though named like them.
    const QString folder = RunJournal::folder();
    const QStringList others{"notes.txt", "run-20000101-000000-000-1.jsonl.bak",
                             "run-20000101-000000-000-2.jsonl", "run-20000101-000000-000-3.jsonl"};
    ASSERT_TRUE(QFile(folder + "/" + others[0]).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(folder + "/" + others[1]).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(folder).mkdir(others[2]));
    const QString target = source(QStringLiteral("elsewhere.jsonl"), "kept");
    ASSERT_TRUE(QFile::link(target, folder + "/" + others[3]));

    EXPECT_EQ(pruneJournals(now), 2);
    EXPECT_EQ(runJournals(), (QStringList{dayOld, nearlyNinety, stillWriting->path()}));
    const QStringList left =
        QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : others)
        EXPECT_TRUE(left.contains(name)) << name.toStdString();
    EXPECT_EQ(fileBytes(target), "kept");
}

} // namespace corvander
