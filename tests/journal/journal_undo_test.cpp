#include "journal/journal_folder.h"
#include "journal/journal_lines.h"
#include "journal/journal_undo.h"
#include "tests/journal/journal_fixture.h"

#include <QCryptographicHash>

#include <fcntl.h>
#include <unistd.h>

namespace corvander {

namespace {

void overwrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST_F(JournalTest, UndoRemovesOnlyTheCopiesStillAsTheRunLeftThem) {
    QStringList sourcePaths;
    QStringList copies;
    const auto journal = RunJournal::begin(runStart());
    for (const char* name : {"same.pdf", "edited.pdf", "linked.pdf", "gone.pdf", "folder.pdf"}) {
        const auto [from, copy] =
            sourceAndCopy(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
        journal->record(FileRecord::copied(from, copy, QStringLiteral("words 1-2 of page 1")));
        sourcePaths << from;
        copies << copy;
    }
    journal->record(
        FileRecord::skipped(sourcePaths[0], QStringLiteral("no text"), QStringLiteral("page 1")));
    journal->end(false, 6, 6);

    // The same size with other bytes; a link to a file of the very bytes copied; removed; a folder.
    overwrite(copies[1], "%PDF-1.4 EDITED.pdf");
    const QString twin = source(QStringLiteral("twin"), "%PDF-1.4 linked.pdf");
    ASSERT_TRUE(QFile::remove(copies[2]));
    ASSERT_TRUE(QFile::link(twin, copies[2]));
    ASSERT_TRUE(QFile::remove(copies[3]));
    ASSERT_TRUE(QFile::remove(copies[4]));
    ASSERT_TRUE(QDir().mkdir(copies[4]));

    const std::optional<UndoPlan> plan = planUndo(journal->path());
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->copies, 5);
    const UndoOutcome outcome = undoRun(journal->path());
    EXPECT_EQ(outcome.status, UndoStatus::Done);
    EXPECT_EQ(outcome.removed, QStringList{copies[0]});
    const QList<std::pair<QString, QString>> kept{{copies[1], "changed since the run"},
                                                  {copies[2], "now a link"},
                                                  {copies[3], "no longer there"},
                                                  {copies[4], "now a folder"}};
    EXPECT_EQ(outcome.kept, kept);
    EXPECT_FALSE(QFile::exists(copies[0]));
    EXPECT_EQ(fileBytes(copies[1]), "%PDF-1.4 EDITED.pdf");
    EXPECT_EQ(QFile::symLinkTarget(copies[2]), twin);
    EXPECT_EQ(fileBytes(twin), "%PDF-1.4 linked.pdf");
    EXPECT_TRUE(QFileInfo(copies[4]).isDir());
    for (const QString& from : sourcePaths)
        EXPECT_EQ(fileBytes(from), "%PDF-1.4 " + QFileInfo(from).fileName().toLatin1());

    EXPECT_EQ(undoMessage(outcome),
              QStringLiteral("Removed 1 copy.\r\n\r\nLeft alone:\r\n%1 (changed since the run)"
                             "\r\n%2 (now a link)\r\n%3 (no longer there)\r\n%4 (now a folder)")
                  .arg(copies[1], copies[2], copies[3], copies[4]));
}

// Undo steps back through the runs, each once; a run with no copies is passed over. A crash
// that tore the journal's last line does not keep the undo from being remembered.
TEST_F(JournalTest, EachRunIsUndoneOnceNewestFirst) {
    const QDateTime now = QDateTime::currentDateTime();
    const auto [oldSource, oldCopy] = sourceAndCopy(QStringLiteral("old.pdf"), "%PDF old");
    const auto older = RunJournal::begin(runStart(now.addSecs(-60)));
    older->record(FileRecord::copied(oldSource, oldCopy, {}));
    older->end(false, 1, 1);

    const auto [newSource, newCopy] = sourceAndCopy(QStringLiteral("new.pdf"), "%PDF new");
    auto newer = RunJournal::begin(runStart(now.addSecs(-30)));
    const QString newerPath = newer->path();
    newer->record(FileRecord::copied(newSource, newCopy, {}));
    newer.reset(); // killed while writing its next line:
    QFile torn(newerPath);
    ASSERT_TRUE(torn.open(QIODevice::Append));
    torn.write(R"({"type":"file","sou)");
    torn.close();

    const auto skipsOnly = RunJournal::begin(runStart(now));
    skipsOnly->record(FileRecord::skipped(newSource, QStringLiteral("no text"), {}));
    skipsOnly->end(false, 1, 1);

    EXPECT_EQ(lastRunJournal(), newerPath);
    EXPECT_EQ(undoRun(newerPath).removed, QStringList{newCopy});
    EXPECT_EQ(lastRunJournal(), older->path());
    EXPECT_EQ(planUndo(newerPath), std::nullopt);
    const UndoOutcome again = undoRun(newerPath);
    EXPECT_EQ(again.status, UndoStatus::AlreadyUndone);
    EXPECT_TRUE(again.removed.isEmpty() && again.kept.isEmpty());
    EXPECT_EQ(undoMessage(again), QStringLiteral("This run was undone already."));
    EXPECT_EQ(fileBytes(oldCopy), "%PDF old");

    EXPECT_EQ(undoRun(older->path()).removed, QStringList{oldCopy});
    EXPECT_EQ(lastRunJournal(), std::nullopt);
    EXPECT_EQ(lastReportJournal(), skipsOnly->path());
}

// A name whose bytes are not UTF-8 has no exact text; its copy is found by the bytes recorded,
// not by a look-alike name that the text would give.
TEST_F(JournalTest, NamesThatAreNotUtf8AreUndoneByTheirBytes) {
    const QByteArray folder = QFile::encodeName(results.path());
    const QByteArray odd = folder + "/caf\xe9.pdf";
    const QByteArray lookAlike = folder + "/caf\xef\xbf\xbd.pdf"; // U+FFFD in UTF-8
    const QByteArray bytes = "%PDF same bytes";
    for (const QByteArray& path : {odd, lookAlike}) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
    }
    FileRecord record;
    record.source = source(QStringLiteral("in.pdf"), bytes);
    record.newPath = QFile::decodeName(odd);
    record.nativeNewPath = odd;
    record.size = bytes.size();
    record.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    const auto journal = RunJournal::begin(runStart());
    journal->record(record);
    journal->end(false, 1, 1);

    const std::optional<JournalContent> content = readJournal(journal->path());
    ASSERT_TRUE(content);
    ASSERT_EQ(content->files.size(), 1);
    EXPECT_EQ(content->files[0].nativeNewPath, odd);
    EXPECT_EQ(content->files[0].nativeSource, QFile::encodeName(record.source));
    const UndoOutcome outcome = undoRun(journal->path());
    EXPECT_EQ(outcome.removed, QStringList{QFile::decodeName(odd)});
    EXPECT_NE(::access(odd.constData(), F_OK), 0);
    EXPECT_EQ(::access(lookAlike.constData(), F_OK), 0);
}

// A run still going (a watch) that made copies holds the undo back: taking back the run before it
// instead would remove copies the user did not mean. Once it ends it is the one undone.
TEST_F(JournalTest, ARunStillGoingIsNeitherUndoneNorSteppedOver) {
    const QDateTime now = QDateTime::currentDateTime();
    const auto [oldSource, oldCopy] = sourceAndCopy(QStringLiteral("old.pdf"), "%PDF old");
    const auto older = RunJournal::begin(runStart(now.addSecs(-60)));
    older->record(FileRecord::copied(oldSource, oldCopy, {}));
    older->end(false, 1, 1);
    EXPECT_EQ(runGoingOnJournal(), std::nullopt);

    auto going = RunJournal::begin(runStart(now));
    const QString goingPath = going->path();
    // A run that has copied nothing yet holds nothing back.
    EXPECT_EQ(runGoingOnJournal(), std::nullopt);
    const auto [newSource, newCopy] = sourceAndCopy(QStringLiteral("new.pdf"), "%PDF new");
    going->record(FileRecord::copied(newSource, newCopy, {}));
    EXPECT_EQ(runGoingOnJournal(), goingPath);

    going->end(false, 1, 1);
    going.reset();
    EXPECT_EQ(runGoingOnJournal(), std::nullopt);
    EXPECT_EQ(lastRunJournal(), goingPath);
    EXPECT_EQ(undoRun(goingPath).removed, QStringList{newCopy});
    EXPECT_EQ(fileBytes(oldCopy), "%PDF old");
}

} // namespace corvander
