#include "journal/journal_folder.h"
#include "journal/journal_lines.h"
#include "journal/journal_undo.h"
#include "tests/journal/journal_fixture.h"

#include <QJsonDocument>
#include <QProcess>

namespace corvander {

// A program killed right after it recorded its copies leaves every recorded line whole, and its
// run can be undone once, but not while the program still runs.
TEST_F(JournalTest, AKilledRunKeepsEveryLineAndCanBeUndone) {
    QStringList arguments{results.path()};
    QStringList copies;
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) {
        const auto [from, copy] =
            sourceAndCopy(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
        arguments << from << copy;
        copies << copy;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(JOURNAL_CHILD_PROGRAM), arguments);
    ASSERT_TRUE(child.waitForStarted());
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    const QString journal = QFile::decodeName(child.readLine().trimmed());
    ASSERT_TRUE(journal.startsWith(state.path())) << journal.toStdString();

    EXPECT_EQ(lastRunJournal(), std::nullopt) << "a run still going is not offered";
    EXPECT_EQ(planUndo(journal), std::nullopt);
    EXPECT_EQ(undoRun(journal).status, UndoStatus::InUse);
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);

    EXPECT_TRUE(fileBytes(journal).endsWith('\n'));
    const QList<QByteArray> lines = wholeLines(journal);
    ASSERT_EQ(lines.size(), 4);
    for (const QByteArray& line : lines)
        EXPECT_TRUE(QJsonDocument::fromJson(line).isObject()) << line.constData();
    const std::optional<JournalContent> content = readJournal(journal);
    ASSERT_TRUE(content);
    EXPECT_FALSE(content->ended);
    EXPECT_EQ(content->copies(), 3);

    EXPECT_EQ(lastRunJournal(), journal);
    const std::optional<UndoPlan> plan = planUndo(journal);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->copies, 3);
    EXPECT_EQ(plan->resultsFolder, results.path());
    EXPECT_EQ(undoRun(journal).removed, copies);
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files), QStringList());
}

} // namespace corvander
