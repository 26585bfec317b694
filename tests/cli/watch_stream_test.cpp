// `corvander watch` under a stream of files: hundreds dropped at once, some gone before their
// turn, a stop in the middle and a start again; and an undo asked for while a watch still runs.
#include "tests/cli/watch_fixture.h"

#include <QDeadlineTimer>

namespace corvander {

namespace {

constexpr int kDropped = 500;
constexpr int kGone = 10;

QString dropName(int number) {
    return QStringLiteral("Drop%1").arg(number, 3, 10, QLatin1Char('0'));
}

// How many results there are once at least `count` are there, or when time is up.
qsizetype waitForCount(const QString& folder, qsizetype count, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    qsizetype now = 0;
    while ((now = QDir(folder).entryList(QDir::Files).size()) < count && !deadline.hasExpired())
        QThread::msleep(50);
    return now;
}

// The file names copied by the lines, in the order of the lines.
QStringList copiedNames(const QList<QByteArray>& lines) {
    QStringList names;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.value(0) == "copied")
            names << QString::fromUtf8(fields.value(2));
    }
    return names;
}

TEST_F(Watch, ADropOfFiveHundredIsCopiedOnceInOrderThroughAStopAndARestart) {
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/start.pdf"), pdfOfPages({"Start"})));
    const pid_t first = startWatch();
    ASSERT_TRUE(resultsBecome({"Start.pdf"})) << "the watch is up";

    QStringList expected{QStringLiteral("Start.pdf")};
    for (int i = 0; i < kDropped; ++i)
        ASSERT_TRUE(writePdf(work.filePath(dropName(i)), pdfOfPages({dropName(i)})));
    for (int i = 0; i < kDropped; ++i) {
        ASSERT_TRUE(
            QFile::rename(work.filePath(dropName(i)),
                          inbox() + QLatin1Char('/') + dropName(i) + QStringLiteral(".pdf")));
        if (i < kDropped - kGone)
            expected << dropName(i) + QStringLiteral(".pdf");
    }
    // The last ones are taken away again long before their turn comes.
    for (int i = kDropped - kGone; i < kDropped; ++i)
        ASSERT_TRUE(
            QFile::remove(inbox() + QLatin1Char('/') + dropName(i) + QStringLiteral(".pdf")));

    // Stopped in the middle of the stream: it ends after the file it is on.
    EXPECT_GE(waitForCount(results(), 100, 60000), 100);
    ASSERT_EQ(::kill(first, SIGTERM), 0);
    const ProgramResult stopped = program.finish(first);
    EXPECT_EQ(stopped.status, 0) << stopped.err.toStdString();
    const QStringList firstCopies = copiedNames(stopped.lines());
    EXPECT_LT(firstCopies.size(), expected.size()) << "the stop came in the middle";
    // After the file that was there first, the dropped ones in the order they arrived.
    ASSERT_FALSE(firstCopies.isEmpty());
    EXPECT_EQ(firstCopies.first(), QStringLiteral("Start.pdf"));
    QStringList dropped = firstCopies.mid(1);
    QStringList inOrder = dropped;
    std::sort(inOrder.begin(), inOrder.end());
    EXPECT_TRUE(dropped == inOrder)
        << "copied in the order they arrived: " << dropped.join(QLatin1Char(' ')).toStdString();

    // Started again, it takes the rest and copies nothing a second time.
    const pid_t second = startWatch();
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(resultsBecome(expected, 90000));
    ASSERT_EQ(::kill(second, SIGTERM), 0);
    const ProgramResult again = program.finish(second);
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    QStringList everyCopy = firstCopies + copiedNames(again.lines());
    std::sort(everyCopy.begin(), everyCopy.end());
    EXPECT_TRUE(everyCopy == expected)
        << "each file copied once, none missed: " << everyCopy.size() << " copies";
    for (const QByteArray& line : stopped.lines() + again.lines())
        EXPECT_FALSE(line.startsWith("failed\t")) << line.toStdString();
}

TEST_F(Watch, AnUndoWaitsUntilTheWatchHasEndedAndThenTakesBackItsCopies) {
    ASSERT_TRUE(writePdf(inbox() + QStringLiteral("/k.pdf"), pdfOfPages({"Kilo"})));
    const pid_t watch = startWatch();
    ASSERT_TRUE(resultsBecome({"Kilo.pdf"}));

    const ProgramResult early = program.run({"undo"});
    EXPECT_EQ(early.status, 3);
    EXPECT_TRUE(early.err.contains("the last run is still going on")) << early.err.toStdString();
    EXPECT_EQ(resultNames(), QStringList{"Kilo.pdf"});

    ASSERT_EQ(::kill(watch, SIGTERM), 0);
    EXPECT_EQ(program.finish(watch).status, 0);
    const ProgramResult undone = program.run({"undo"});
    EXPECT_EQ(undone.status, 0) << undone.err.toStdString();
    EXPECT_TRUE(resultNames().isEmpty());
}

} // namespace

} // namespace corvander
