// The command line builds one request, checks it once and tells each problem; a watch names by
// the same rule as a rename, templates included.
#include "tests/cli/watch_fixture.h"

#include <QRegularExpression>

namespace corvander {

namespace {

TEST_F(Watch, ATemplateNamesWhatArrivesAndItsJournalSaysSo) {
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/a.pdf"),
                         pdfOfPages({"Invoice AF-7731 from Brightline"})));
    const pid_t watch = program.start(
        {"watch", "--template", "Invoice {words 2}", "--to", arg(results()), arg(inbox())});
    ASSERT_TRUE(resultsBecome({"Invoice AF-7731.pdf"}));
    ASSERT_EQ(::kill(watch, SIGTERM), 0);
    const ProgramResult stopped = program.finish(watch);
    EXPECT_EQ(stopped.status, 0) << stopped.err.toStdString();
    EXPECT_EQ(stopped.lines(), QList<QByteArray>{line("copied", "a.pdf", "Invoice AF-7731.pdf")});

    // Its journal names the family it named by, and undo takes the copy back.
    const ProgramResult undone = program.run({"undo"});
    EXPECT_EQ(undone.status, 0) << undone.err.toStdString();
    EXPECT_TRUE(resultNames().isEmpty());
}

TEST_F(Watch, EveryProblemOfARequestIsToldOnce) {
    const QString missing = work.filePath(QStringLiteral("nowhere"));
    const QString empty = work.filePath(QStringLiteral("empty"));
    ASSERT_TRUE(QDir().mkpath(empty));

    // No files and no results folder: both are told, and the missing folder decides the status.
    const ProgramResult both =
        program.run({"rename", "--words", "1", "--to", arg(missing), arg(empty)});
    EXPECT_EQ(both.status, 3);
    EXPECT_EQ(both.err.count("no files to rename"), 1) << both.err.toStdString();
    EXPECT_EQ(both.err.count("the results folder " + arg(missing) + " does not exist"), 1);

    // No files alone is nothing to do.
    const ProgramResult none =
        program.run({"rename", "--words", "1", "--to", arg(results()), arg(empty)});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.err.count("no files to rename"), 1);

    // A watch starts without files, never without its folder.
    const ProgramResult watch =
        program.run({"watch", "--words", "1", "--to", arg(missing), arg(inbox())});
    EXPECT_EQ(watch.status, 3);
    EXPECT_EQ(watch.err.count("does not exist"), 1) << watch.err.toStdString();
    EXPECT_FALSE(watch.err.contains("no files")) << watch.err.toStdString();
    EXPECT_TRUE(resultNames().isEmpty());
}

} // namespace

} // namespace corvander
