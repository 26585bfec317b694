#include "common/event_loop_waiter.h"
#include "common/window_port.h"
#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/process_probe.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <sys/stat.h>

namespace corvander {

namespace {

// A bar that remembers every text and value it was given.
class RecordingBar : public ProgressView {
public:
    int progressValue() const override { return value; }
    QString progressText() const override { return texts.isEmpty() ? QString() : texts.last(); }
    void setProgressValue(int v) override { values.append(value = v); }
    void setProgressText(const QString& text) override { texts.append(text); }

    int value = 0;
    QList<int> values;
    QStringList texts;
};

class PoolTest : public ::testing::Test {
protected:
    void SetUp() override { files.setPath(dir.path()); }

    std::unique_ptr<ExtractionPool> makePool(int workers, int timeoutMilliseconds = 60000,
                                             QString program = CORVANDER_EXTRACT_PROGRAM) {
        return std::make_unique<ExtractionPool>(
            PoolSettings{std::move(program), workers, timeoutMilliseconds});
    }

    // A pipe nobody writes to: a worker that opens it as a PDF waits for ever.
    QString hangingFile(const QString& name) {
        const QString path = files.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }

    ExtractResult wait(ExtractionPool& pool, ExtractionPool::Ticket ticket,
                       corvander::WaitingProgress* progress = nullptr) {
        return corvander::waitForResult(pool, waiter, ticket, progress);
    }

    QTemporaryDir dir;
    QDir files;
    corvander::EventLoopWaiter waiter;
};

TEST_F(PoolTest, QuickAnswersCostNoFixedPollInterval) {
    const auto pool = makePool(2);
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i) {
        const ExtractResult result =
            corvander::extractNow(*pool, waiter, ExtractRequest::wholeText(pdf));
        EXPECT_TRUE(result.hasText());
    }
    // Ten whole waiting intervals alone would take a second.
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(pool->requestsSent(), 10);
}

TEST_F(PoolTest, MissingProgramAnswersAtOnceAndIsReportedOnce) {
    const auto pool = makePool(2, 60000, files.filePath(QStringLiteral("no-such-worker")));
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    RecordingBar bar;
    corvander::WaitingProgress progress(&bar, QStringLiteral("Processing: a.pdf"), 0, 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(wait(*pool, pool->submit(ExtractRequest::wholeText(pdf)), &progress).outcome,
              ExtractResult::Outcome::NoWorker);
    EXPECT_EQ(wait(*pool, pool->submit(ExtractRequest::wholeText(pdf))).outcome,
              ExtractResult::Outcome::NoWorker);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(bar.texts, QStringList{QStringLiteral("Processing: a.pdf")});
    const QString failure = pool->takeStartFailure();
    EXPECT_TRUE(failure.contains(files.filePath(QStringLiteral("no-such-worker"))))
        << failure.toStdString();
    EXPECT_TRUE(pool->takeStartFailure().isEmpty()) << "said once";
}

TEST_F(PoolTest, AnswersArriveByTicketWhateverTheirOrder) {
    const auto pool = makePool(2, 1500);
    const QString pipe = hangingFile(QStringLiteral("slow.pdf"));
    const QString pdf =
        pdf_files::textPdf(files, QStringLiteral("fast.pdf"), {QStringLiteral("Fast answer")});
    const ExtractionPool::Ticket slow = pool->submit(ExtractRequest::wholeText(pipe));
    const ExtractionPool::Ticket fast = pool->submit(ExtractRequest::wholeText(pdf));
    const ExtractResult fastResult = wait(*pool, fast);
    EXPECT_FALSE(pool->isFinished(slow));
    EXPECT_EQ(fastResult.text, QByteArray("Fast answer\r\n\r\n\f"));
    EXPECT_EQ(wait(*pool, slow).outcome, ExtractResult::Outcome::TimedOut);
}

TEST_F(PoolTest, HangingWorkerIsReplacedAfterTheTimeLimit) {
    const auto pool = makePool(1, 1000);
    const QString pipe = hangingFile(QStringLiteral("hang.pdf"));
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    const ExtractionPool::Ticket hung = pool->submit(ExtractRequest::wholeText(pipe));
    QElapsedTimer clock;
    clock.start();
    waiter.waitUntil([&] { return !pool->workerProcessIds().isEmpty(); }, [] {});
    const QList<qint64> before = pool->workerProcessIds();
    EXPECT_EQ(wait(*pool, hung).outcome, ExtractResult::Outcome::TimedOut);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 5000);
    for (const qint64 pid : before)
        EXPECT_TRUE(processEnds(pid)) << "the hanging worker is killed";
    // The next document goes to a new worker and is read as usual.
    EXPECT_TRUE(corvander::extractNow(*pool, waiter, ExtractRequest::wholeText(pdf)).hasText());
    EXPECT_NE(pool->workerProcessIds(), before);
}

TEST_F(PoolTest, WorkerKilledFromOutsideLeavesNoAnswerAndIsReplaced) {
    const auto pool = makePool(1);
    const QString pipe = hangingFile(QStringLiteral("hang.pdf"));
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    const ExtractionPool::Ticket hung = pool->submit(ExtractRequest::wholeText(pipe));
    QTimer::singleShot(300, [&] {
        for (const qint64 pid : pool->workerProcessIds())
            ::kill(pid_t(pid), SIGKILL);
    });
    const ExtractResult result = wait(*pool, hung);
    EXPECT_EQ(result.outcome, ExtractResult::Outcome::WorkerDied);
    EXPECT_FALSE(result.hasText());
    EXPECT_TRUE(corvander::extractNow(*pool, waiter, ExtractRequest::wholeText(pdf)).hasText());
}

TEST_F(PoolTest, EventsRunWhileTheWindowWaits) {
    const auto pool = makePool(1, 1000);
    const QString pipe = hangingFile(QStringLiteral("hang.pdf"));
    QElapsedTimer clock;
    clock.start();
    qint64 firedAt = -1;
    QTimer::singleShot(50, [&] { firedAt = clock.elapsed(); });
    wait(*pool, pool->submit(ExtractRequest::wholeText(pipe)));
    EXPECT_GE(firedAt, 50);
    EXPECT_LT(firedAt, 400) << "a queued event waits one interval at most";
}

TEST_F(PoolTest, QuickAnswerLeavesTheBarAloneUntilTheEnd) {
    const auto pool = makePool(1);
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    RecordingBar bar;
    corvander::WaitingProgress progress(&bar, QStringLiteral("Processing: a.pdf"), 40, 3);
    wait(*pool, pool->submit(ExtractRequest::wholeText(pdf)), &progress);
    EXPECT_EQ(bar.texts, QStringList{QStringLiteral("Processing: a.pdf")});
    EXPECT_TRUE(bar.values.isEmpty());

    RecordingBar plain;
    corvander::WaitingProgress plainProgress(&plain, {}, 0, 0);
    wait(*pool, pool->submit(ExtractRequest::wholeText(pdf)), &plainProgress);
    EXPECT_EQ(plain.texts, QStringList{QStringLiteral("Progress Bar")});
}

TEST_F(PoolTest, SlowAnswerShowsTheWaitingTextAndCreeps) {
    // Fifty waits take about five seconds; the time limit then ends the wait.
    const auto pool = makePool(1, 6500);
    const QString pipe = hangingFile(QStringLiteral("hang.pdf"));
    RecordingBar bar;
    corvander::WaitingProgress progress(&bar, QStringLiteral("Processing: a.pdf"), 25, 4);
    EXPECT_EQ(wait(*pool, pool->submit(ExtractRequest::wholeText(pipe)), &progress).outcome,
              ExtractResult::Outcome::TimedOut);
    ASSERT_GE(bar.texts.size(), 3);
    EXPECT_EQ(bar.texts[0], QStringLiteral("Processing: a.pdf, Please wait.. 0"));
    EXPECT_EQ(bar.texts[1], QStringLiteral("Processing: a.pdf, Please wait.. 1"));
    EXPECT_EQ(bar.texts.last(), QStringLiteral("Processing: a.pdf"));
    EXPECT_EQ(bar.values, QList<int>{25});
}

TEST_F(PoolTest, ShutdownEndsEveryWaitAtOnceAndKillsTheWorkers) {
    const auto pool = makePool(2);
    const QString first = hangingFile(QStringLiteral("one.pdf"));
    const QString second = hangingFile(QStringLiteral("two.pdf"));
    QList<qint64> workers;
    QElapsedTimer clock;
    clock.start();
    ExtractResult inner;
    QTimer::singleShot(100, [&] {
        // A wait inside the wait, as when files are added during a run.
        QTimer::singleShot(200, [&] {
            workers = pool->workerProcessIds();
            pool->shutdown();
        });
        inner = wait(*pool, pool->submit(ExtractRequest::wholeText(second)));
    });
    const ExtractResult outer = wait(*pool, pool->submit(ExtractRequest::wholeText(first)));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(outer.outcome, ExtractResult::Outcome::Dropped);
    EXPECT_EQ(inner.outcome, ExtractResult::Outcome::Dropped);
    EXPECT_EQ(workers.size(), 2);
    for (const qint64 pid : workers)
        EXPECT_TRUE(processEnds(pid)) << pid;
    // Nothing starts again after the end.
    EXPECT_EQ(wait(*pool, pool->submit(ExtractRequest::wholeText(first))).outcome,
              ExtractResult::Outcome::Dropped);
    EXPECT_TRUE(pool->workerProcessIds().isEmpty());
}

} // namespace

namespace {

// Whoever takes an answer may keep the event loop for a while (a copy and its digest): the worker
// that gave it already has its next request by then, rather than waiting idle.
TEST_F(PoolTest, TheWorkerThatAnsweredHasItsNextRequestBeforeTheAnswerIsHandedOn) {
    const auto pool = makePool(1);
    const QString pdf = pdf_files::textPdf(files, QStringLiteral("a.pdf"));
    QList<qint64> sentWhenAnswered;
    QObject::connect(pool.get(), &corvander::Extractor::finished, pool.get(),
                     [&] { sentWhenAnswered.append(pool->requestsSent()); });
    QList<ExtractionPool::Ticket> tickets;
    for (int i = 0; i < 3; ++i)
        tickets.append(pool->submit(ExtractRequest::wholeText(pdf)));
    for (const ExtractionPool::Ticket ticket : tickets)
        EXPECT_TRUE(wait(*pool, ticket).hasText());
    EXPECT_EQ(sentWhenAnswered, (QList<qint64>{2, 3, 3}));
}

} // namespace

} // namespace corvander
