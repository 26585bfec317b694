// `corvander watch` started as a child process: what is there and what arrives is named once
// complete, a signal ends it cleanly, a second watch copies nothing twice, and undo takes back
// what it made.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/test_files.h"

#include "tests/cli/watch_fixture.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace corvander {

namespace {

TEST_F(Watch, NamesWhatIsThereAndWhatArrivesOnceCompleteAndNothingTwice) {
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/a.pdf"), pdfOfPages({"Alpha one"})));
    const pid_t first = startWatch();
    ASSERT_TRUE(resultsBecome({"Alpha.pdf"})) << "a file already there";

    // Written in two pieces with a pause longer than a file needs to stand still: only the whole
    // file is copied, once it is closed.
    const QByteArray whole = pdfBytes(pdfOfPages({"Bravo two"}));
    QFile slow(inbox() + QStringLiteral("/b.pdf"));
    ASSERT_TRUE(slow.open(QIODevice::WriteOnly));
    ASSERT_EQ(slow.write(whole.left(whole.size() / 2)), whole.size() / 2);
    ASSERT_TRUE(slow.flush());
    QThread::msleep(3500);
    EXPECT_EQ(resultNames(), QStringList{"Alpha.pdf"}) << "a file still being written";
    ASSERT_TRUE(slow.write(whole.mid(whole.size() / 2)) > 0);
    slow.close();
    ASSERT_TRUE(resultsBecome({"Alpha.pdf", "Bravo.pdf"}));
    EXPECT_EQ(fileBytes(results() + QStringLiteral("/Bravo.pdf")), whole);

    // Moved in from elsewhere on the same file system.
    ASSERT_TRUE(writePdf(work.filePath(QStringLiteral("c.pdf")), pdfOfPages({"Charlie three"})));
    ASSERT_TRUE(
        QFile::rename(work.filePath(QStringLiteral("c.pdf")), inbox() + QStringLiteral("/c.pdf")));
    ASSERT_TRUE(resultsBecome({"Alpha.pdf", "Bravo.pdf", "Charlie.pdf"}));

    // The inbox goes, is told, and is watched again once it is back.
    ASSERT_TRUE(QDir(inbox()).removeRecursively());
    QThread::msleep(1500);
    ASSERT_TRUE(QDir().mkpath(inbox()));
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/d.pdf"), pdfOfPages({"Delta four"})));
    ASSERT_TRUE(resultsBecome({"Alpha.pdf", "Bravo.pdf", "Charlie.pdf", "Delta.pdf"}));

    ASSERT_EQ(::kill(first, SIGTERM), 0);
    const ProgramResult stopped = program.finish(first);
    EXPECT_EQ(stopped.status, 0) << stopped.err.toStdString();
    EXPECT_EQ(stopped.lines(), (QList<QByteArray>{line("copied", "a.pdf", "Alpha.pdf"),
                                                  line("copied", "b.pdf", "Bravo.pdf"),
                                                  line("copied", "c.pdf", "Charlie.pdf"),
                                                  line("copied", "d.pdf", "Delta.pdf")}));
    EXPECT_TRUE(stopped.err.contains("the inbox " + arg(inbox()) + " is gone"));

    // Started again over the same inbox: every file is already there.
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/e.pdf"), pdfOfPages({"Echo five"})));
    const pid_t second = startWatch();
    ASSERT_TRUE(resultsBecome({"Alpha.pdf", "Bravo.pdf", "Charlie.pdf", "Delta.pdf", "Echo.pdf"}));
    QThread::msleep(1000);
    ASSERT_EQ(::kill(second, SIGINT), 0);
    const ProgramResult again = program.finish(second);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.lines(),
              (QList<QByteArray>{line("skipped", "d.pdf", "already copied as Delta.pdf"),
                                 line("copied", "e.pdf", "Echo.pdf")}));
    EXPECT_EQ(resultNames().size(), 5) << "nothing copied twice";

    // Each watch kept its journal: undo takes back the last one's copy, then the first's.
    const ProgramResult undone = program.run({"undo"});
    EXPECT_EQ(undone.status, 0) << undone.err.toStdString();
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Bravo.pdf", "Charlie.pdf", "Delta.pdf"}));
    EXPECT_EQ(program.run({"undo"}).status, 0);
    EXPECT_TRUE(resultNames().isEmpty());
}

TEST_F(Watch, FilesWaitForAResultsFolderThatWentAndABurstKeepsItsOrder) {
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/h.pdf"), pdfOfPages({"Hotel"})));
    const pid_t watch = startWatch();
    ASSERT_TRUE(resultsBecome({"Hotel.pdf"})) << "the watch is up";
    // The folder goes (a stick pulled out) while files arrive; they are copied once it is back.
    ASSERT_TRUE(QDir(results()).removeRecursively());
    for (const char* name : {"f", "g"})
        ASSERT_TRUE(
            writePdf(inbox() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".pdf"),
                     pdfOfPages({QStringLiteral("%1 file").arg(QLatin1String(name))})));
    QThread::msleep(2500);
    EXPECT_FALSE(QFileInfo::exists(results()));
    ASSERT_TRUE(QDir().mkpath(results()));
    EXPECT_TRUE(resultsBecome({"f.pdf", "g.pdf"}));

    // Many files at once.
    QStringList expected{"f.pdf", "g.pdf"};
    for (int i = 0; i < 60; ++i) {
        const QString name = QStringLiteral("Batch%1").arg(i, 3, 10, QLatin1Char('0'));
        ASSERT_TRUE(writePdf(work.filePath(name), pdfOfPages({name})));
        ASSERT_TRUE(QFile::rename(work.filePath(name),
                                  inbox() + QLatin1Char('/') + name + QStringLiteral(".pdf")));
        expected << name + QStringLiteral(".pdf");
    }
    expected.sort();
    EXPECT_TRUE(resultsBecome(expected));

    ASSERT_EQ(::kill(watch, SIGTERM), 0);
    const ProgramResult stopped = program.finish(watch);
    EXPECT_EQ(stopped.status, 0);
    const QList<QByteArray> lines = stopped.lines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines.at(1).startsWith("failed\t") && lines.at(2).startsWith("failed\t"))
        << lines.at(1).toStdString();
    EXPECT_EQ(lines.count(line("copied", QStringLiteral("f.pdf"), QStringLiteral("f.pdf"))), 1);
    EXPECT_EQ(lines.size(), 3 + 62) << "each file told once it failed and once it was copied";
    // In the order they arrived.
    EXPECT_EQ(lines.last(),
              line("copied", QStringLiteral("Batch059.pdf"), QStringLiteral("Batch059.pdf")));
}

} // namespace

} // namespace corvander
