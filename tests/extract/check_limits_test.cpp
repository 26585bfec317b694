// The readability check's threshold, a window closed while it waits, and a missing worker.
#include "app/form1.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "tests/extract/check_fixture.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/process_probe.h"
#include "tests/support/window_fixture.h"
#include <QElapsedTimer>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

TEST_F(CheckTest, NineBytesOfTextIsUnreadableTenIsNot) {
    // A page's text ends in two CR LF and a form feed: four letters make nine bytes, five ten.
    const QString nine = textPdf(files, QStringLiteral("nine.pdf"), {QStringLiteral("abcd")});
    const QString ten = textPdf(files, QStringLiteral("ten.pdf"), {QStringLiteral("abcde")});
    add({ten, nine});
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              nine + QStringLiteral("\r\n") + kTail);
}

TEST_F(CheckTest, ClosingTheWindowKillsTheWorkerItWaitsFor) {
    // Reading a pipe that nobody writes to never ends: the worker hangs on it.
    const QString pipe = files.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    add({pipe, textPdf(files, QStringLiteral("one.pdf"))});
    QList<qint64> workers;
    QTimer::singleShot(300, [&] {
        workers = window->extractionPool().workerProcessIds();
        window->Form_Unload();
    });
    QElapsedTimer clock;
    clock.start();
    window->runReadabilityCheck();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(terminated, 1);
    ASSERT_FALSE(workers.isEmpty());
    for (const qint64 pid : workers)
        EXPECT_TRUE(processEnds(pid)) << pid;
}

// A worker program that cannot be started: said once, and every file counts as unreadable.
class MissingWorkerCheck : public CheckTest {
protected:
    void SetUp() override {
        extractorProgram = input.filePath(QStringLiteral("no-such-worker"));
        load();
        dialogs.clear();
        files.setPath(input.path());
    }
};

TEST_F(MissingWorkerCheck, EveryFileIsUnreadableAndTheProgramIsNamedOnce) {
    const QString good = textPdf(files, QStringLiteral("good.pdf"));
    const QString other = textPdf(files, QStringLiteral("other.pdf"));
    add({good, other});
    window->runReadabilityCheck();
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              good + QStringLiteral("\r\n") + other +
                                              QStringLiteral("\r\n") + kTail);
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().contains(extractorProgram))
        << dialogs.warnings().first().toStdString();
    EXPECT_TRUE(dialogs.warnings().first().contains(
        QStringLiteral("in Quarnex2021/08/31.Check.CheckByCodeNotPreviewTextbox at line")));
}

} // namespace

} // namespace corvander
