// The run sends extractions ahead to several workers, yet names, marks and the skipped list come
// out as if every file were read in turn.
#include "app/text_progress_bar.h"
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/lookahead.h"
#include "extract/waiting_progress.h"
#include "tests/run/rename_fixture.h"
#include "tests/support/process_probe.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <sys/stat.h>

namespace corvander {

namespace {

const QString kSkippedHeading = QStringLiteral(
    "\r\nThe following files were skipped because they could not be read or renamed:");

// Sets an environment variable for the life of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// Two workers, whatever the machine, so that files really are read side by side.
class LookaheadRun : public RenameTest {
protected:
    ScopedVariable workers{"CORVANDER_WORKERS", "2"};

    // Kept apart from the sources, whose bytes the fixture compares (reading a pipe would hang).
    QString addPipe(const QString& name) {
        const QString path = pipes.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        window->fileList().appendEntry(path);
        return path;
    }

    QTemporaryDir pipes;
};

TEST_F(LookaheadRun, NamesAndMarksFollowListOrderWhenTheFirstFileIsTheSlowest) {
    PdfDocument slow;
    for (int page = 0; page < 300; ++page)
        slow.pages.append(QStringList(40, QStringLiteral("Same words on every line of the page")));
    const QString first = addPdf(QStringLiteral("1.pdf"), slow);
    const QString second = addPdf(QStringLiteral("2.pdf"), {QStringLiteral("Same second")});
    const QString third = addPdf(QStringLiteral("3.pdf"), {QStringLiteral("Same third")});
    addUnreadable(QStringLiteral("4.pdf"));
    const QString fifth = addPdf(QStringLiteral("5.pdf"), {QStringLiteral("Same fifth")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Same.pdf"))), fileBytes(first));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Same!.pdf"))), fileBytes(second));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Same!!.pdf"))), fileBytes(third));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Same!!!.pdf"))), fileBytes(fifth));
    EXPECT_EQ(resultNames().size(), 4);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.") + kSkippedHeading +
                                              QStringLiteral("\r\n") + sources.filePath("4.pdf")});
}

TEST_F(LookaheadRun, ModeChangedDuringARunAppliesToTheFilesThatFollow) {
    for (const char* n : {"1", "2", "3", "4"}) {
        const QString number = QString::fromLatin1(n);
        addPdf(number + QStringLiteral(".pdf"),
               {QStringLiteral("Front") + number, QStringLiteral("Back") + number});
    }
    // While the second file is announced, the user picks "page 2"; the files after it were
    // already sent ahead for their whole text.
    QObject::connect(ui.ProgressBar1, &QProgressBar::valueChanged, window.get(), [this](int value) {
        if (value == 50)
            ui.Combo1->setCurrentIndex(1);
    });
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(resultNames(), (QStringList{"Back2.pdf", "Back3.pdf", "Back4.pdf", "Front1.pdf"}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(LookaheadRun, KilledAndHangingWorkersCostOnlyTheirFile) {
    const ScopedVariable timeout("CORVANDER_EXTRACT_TIMEOUT", "2");
    // The pool reads its limits when the window is made.
    load();
    prepare();
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    const QString killed1 = addPipe(QStringLiteral("killed1.pdf"));
    const QString killed2 = addPipe(QStringLiteral("killed2.pdf"));
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta")});
    const QString hanging = addPipe(QStringLiteral("hangs.pdf"));
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma")});
    // Both workers are stuck on the first two pipes when they are killed from outside; the third
    // pipe then runs out of time.
    QList<qint64> killedWorkers;
    QTimer::singleShot(300, window.get(), [&] {
        killedWorkers = window->extractionPool().workerProcessIds();
        for (const qint64 pid : killedWorkers)
            ::kill(pid_t(pid), SIGKILL);
    });
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    QElapsedTimer clock;
    clock.start();
    startRun();
    EXPECT_GE(clock.elapsed(), 2000) << "the third pipe is given its full time";
    EXPECT_EQ(killedWorkers.size(), 2);
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.") + kSkippedHeading + QStringLiteral("\r\n") +
                          killed1 + QStringLiteral("\r\n") + killed2 + QStringLiteral("\r\n") +
                          hanging});
    EXPECT_TRUE(dialogs.warnings().isEmpty());

    const QList<qint64> workers = window->extractionPool().workerProcessIds();
    window->Form_Unload();
    for (const qint64 pid : workers + killedWorkers)
        EXPECT_TRUE(processEnds(pid)) << pid;
}

TEST_F(LookaheadRun, TheCheckReadsAFileOnceUntilItChanges) {
    corvander::ExtractionPool& pool = window->extractionPool();
    const QString a = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one two")});
    window->runReadabilityCheck();
    EXPECT_EQ(pool.requestsSent(), 1);
    const QString scan = addUnreadable(QStringLiteral("scan.pdf"));
    window->runReadabilityCheck();
    EXPECT_EQ(pool.requestsSent(), 2) << "only the new file is read";
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().last().contains(scan));

    // The file is rewritten: another size, so it is read again, and now it is unreadable.
    QFile rewritten(a);
    ASSERT_TRUE(rewritten.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rewritten.write("no longer a PDF");
    rewritten.close();
    window->runReadabilityCheck();
    EXPECT_EQ(pool.requestsSent(), 3);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages().last().contains(a + QStringLiteral("\r\n") + scan))
        << "the message covers the whole list";
}

TEST(LookaheadBudget, LongTextsAreNotSentAheadPastTheBudget) {
    // Eight documents of about half a mebibyte of text each.
    QTemporaryDir dir;
    PdfDocument longText;
    for (int page = 0; page < 190; ++page) {
        QStringList lines;
        for (int line = 0; line < 50; ++line)
            lines << QStringLiteral("Line %1 of page %2 with words enough to fill it")
                         .arg(line)
                         .arg(page);
        longText.pages.append(lines);
    }
    QStringList paths;
    for (int file = 1; file <= 8; ++file) {
        paths << dir.filePath(QStringLiteral("%1.pdf").arg(file));
        ASSERT_TRUE(writePdf(paths.last(), longText));
    }
    corvander::ExtractionPool pool({CORVANDER_EXTRACT_PROGRAM, 2, 60000, 120000});
    corvander::EventLoopWaiter waiter;
    constexpr qint64 kBudget = 1280 * 1024;
    corvander::Lookahead ahead(pool, 8, kBudget);
    const auto requestFor = [&](int position) {
        return std::optional(corvander::ExtractRequest::wholeText(paths.at(position - 1)));
    };
    for (int position = 1; position <= 8; ++position) {
        ahead.fill(position, 8, requestFor);
        // Eight ahead without the budget; once an answer showed their size, two or three.
        EXPECT_LE(pool.requestsSent() - position, 4) << position;
        const corvander::ExtractResult result =
            corvander::waitForResult(pool, waiter, ahead.claim(position, *requestFor(position)));
        EXPECT_GT(result.text.size(), 400 * 1024) << position;
        EXPECT_LE(ahead.heldBytes(), kBudget + result.text.size()) << position;
    }
}

} // namespace

} // namespace corvander
