#include "rename/journal_folder.h"
#include "tests/rename/journal_fixture.h"

using namespace corvander;

TEST_F(JournalTest, PruningKeepsTheNewestFiftyOfTheLastNinetyDays) {
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    for (int hours = 0; hours < 55; ++hours)
        RunJournal::begin(runStart(now.addSecs(-3600 * hours)))->end(false, 0, 0);
    const QStringList recent = runJournals(); // newest first
    ASSERT_EQ(recent.size(), 55);
    EXPECT_EQ(pruneJournals(now), 5);
    EXPECT_EQ(runJournals(), recent.mid(0, 50));
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
