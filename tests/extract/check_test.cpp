#include "app/form1.h"
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/process_probe.h"
#include "tests/support/window_fixture.h"

#include "tests/extract/check_fixture.h"
#include <QElapsedTimer>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

TEST_F(CheckTest, EmptyListRunsNothingAndSaysNothing) {
    window->progress().setProgressText(QStringLiteral("untouched"));
    window->runReadabilityCheck();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(window->progress().progressText(), QStringLiteral("untouched"));
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

TEST_F(CheckTest, ReadableFilesPassQuietly) {
    add({textPdf(files, QStringLiteral("one.pdf")),
         textPdf(files, QStringLiteral("three pages.pdf"),
                 {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
         textPdf(files, QStringLiteral("-f 1 \"$HOME\" `x`.pdf"))});
    window->runReadabilityCheck();
    EXPECT_TRUE(dialogs.shown().isEmpty())
        << dialogs.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->progress().progressText(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
    EXPECT_EQ(window->fileList().entryCount(), 3);
}

TEST_F(CheckTest, UnreadableFilesAreListedInListOrder) {
    const QString good = textPdf(files, QStringLiteral("good.pdf"));
    const QString scan = imagePdf(files, QStringLiteral("scan.pdf"));
    const QString notPdf = plainFile(files, QStringLiteral("notes.pdf"), "Just some plain text\n");
    const QString empty = plainFile(files, QStringLiteral("empty.pdf"), {});
    const QString gone = files.filePath(QStringLiteral("gone.pdf"));
    const QString good2 = textPdf(files, QStringLiteral("good2.pdf"));
    add({scan, good, notPdf, gone, good2, empty});

    window->runReadabilityCheck();

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(),
              QStringLiteral("These files could not be read:\r\n\r\n") + scan +
                  QStringLiteral("\r\n") + notPdf + QStringLiteral("\r\n") + gone +
                  QStringLiteral("\r\n") + empty + QStringLiteral("\r\n") + kTail + kOcrLine);
    EXPECT_EQ(dialogs.shown().first().title, QStringLiteral("Corvander"));
    EXPECT_EQ(window->fileList().entryCount(), 6) << "the check never removes entries";
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

TEST_F(CheckTest, SameFileNameInTwoFoldersIsJudgedSeparately) {
    QDir(input.path()).mkpath(QStringLiteral("a"));
    QDir(input.path()).mkpath(QStringLiteral("b"));
    const QString readable =
        textPdf(QDir(files.filePath(QStringLiteral("a"))), QStringLiteral("report.pdf"));
    const QString scan =
        imagePdf(QDir(files.filePath(QStringLiteral("b"))), QStringLiteral("report.pdf"));
    add({readable, scan});
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              scan + QStringLiteral("\r\n") + kTail + kOcrLine);
}

// A bar that remembers every text it was given, and its value.
class RecordingBar : public ProgressView {
public:
    int progressValue() const override { return value; }
    QString progressText() const override { return texts.isEmpty() ? QString() : texts.last(); }
    void setProgressValue(int v) override { values.append(value = v); }
    void setProgressText(const QString& text) override { texts.append(text); }

    // The texts in order, each once where it was given again and again, the counter of a long
    // wait left out.
    QStringList shownTexts() const {
        QStringList shown;
        for (const QString& text : texts) {
            if (!text.contains(QStringLiteral("Please wait")) &&
                (shown.isEmpty() || shown.last() != text))
                shown.append(text);
        }
        return shown;
    }

    int value = 0;
    QList<int> values;
    QStringList texts;
};

TEST_F(CheckTest, TheBarCountsTheFilesAndGivesBackWhatItFound) {
    add({textPdf(files, QStringLiteral("one.pdf")), imagePdf(files, QStringLiteral("scan.pdf")),
         textPdf(files, QStringLiteral("three.pdf"))});
    const QStringList counted{QStringLiteral("Checking: 1 of 3"),
                              QStringLiteral("Checking: 2 of 3"),
                              QStringLiteral("Checking: 3 of 3")};
    corvander::EventLoopWaiter waiter;
    // One check object throughout: the second pass goes over files it already knows.
    RecordingBar bar;
    corvander::ReadabilityCheck check({dialogs, window->fileList(), window->busyPointer(), bar,
                                       window->extractionPool(), waiter, QStringLiteral("check")});
    const struct {
        const char* what;
        bool known;
        bool insideARun;
    } cases[] = {
        {"files read for the first time", false, false},
        {"files the check already knows", true, false},
        {"a check inside a rename run", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bar.texts.clear();
        bar.values.clear();
        window->busyPointer().setBusy(c.insideARun);
        const QString runText = QStringLiteral("Processing: a.pdf");
        if (c.insideARun) {
            bar.setProgressValue(40);
            bar.setProgressText(runText);
        }
        check.run();
        const QString rest = c.insideARun ? runText : QStringLiteral("Progress Bar");
        QStringList shown = bar.shownTexts();
        if (c.insideARun && !shown.isEmpty() && shown.first() == runText)
            shown.removeFirst();
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.takeLast(), rest);
        if (!c.known) {
            EXPECT_EQ(shown, counted) << "every file read is named while it is read";
            EXPECT_TRUE(bar.values.contains(66));
        } else {
            // Known files pass without a wait: the bar need not name each one, but it starts
            // with the first and ends with the last.
            ASSERT_FALSE(shown.isEmpty());
            EXPECT_EQ(shown.first(), counted.first());
            EXPECT_EQ(shown.last(), counted.last());
            for (const QString& text : std::as_const(shown))
                EXPECT_TRUE(counted.contains(text)) << text.toStdString();
        }
        EXPECT_EQ(bar.value, c.insideARun ? 40 : 0);
        EXPECT_TRUE(bar.values.contains(33) && bar.values.contains(100));
        EXPECT_EQ(window->busyPointer().isBusy(), c.insideARun);
    }
    EXPECT_EQ(dialogs.messages().size(), 3) << "the scan is named each time";
}

TEST_F(CheckTest, TheWindowsBarSaysWhichFileTheCheckWaitsFor) {
    // A pipe holds the worker until the test writes to it, so the wait for the second file lasts
    // as long as the test needs to look at the window.
    const QString pipe = files.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    add({textPdf(files, QStringLiteral("one.pdf")), pipe,
         textPdf(files, QStringLiteral("three.pdf"))});
    QList<QPair<QString, int>> seen;
    bool released = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        const QPair<QString, int> now{window->progress().progressText(),
                                      window->progress().progressValue()};
        if (seen.isEmpty() || seen.last() != now)
            seen.append(now);
        if (released || now.first != QStringLiteral("Checking: 2 of 3"))
            return;
        // Fails until the worker waits on the pipe; a writer that comes and goes lets the worker
        // read an empty file.
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            return;
        ::close(fd);
        released = true;
    });
    look.start(5);
    window->runReadabilityCheck();
    look.stop();
    EXPECT_TRUE(released);
    EXPECT_TRUE(seen.contains(qMakePair(QStringLiteral("Checking: 2 of 3"), 66)));
    EXPECT_EQ(window->progress().progressText(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(window->progress().progressValue(), 0);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              pipe + QStringLiteral("\r\n") + kTail);
}

TEST_F(CheckTest, ShowsTheBusyPointerWhileItRuns) {
    add({textPdf(files, QStringLiteral("one.pdf"))});
    bool busyDuring = false;
    QTimer::singleShot(0, [&] { busyDuring = window->busyPointer().isBusy(); });
    window->runReadabilityCheck();
    EXPECT_TRUE(busyDuring);
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

TEST_F(CheckTest, LeavesTheBusyMarkOfARunItInterrupts) {
    add({imagePdf(files, QStringLiteral("scan.pdf"))});
    window->busyPointer().setBusy(true);
    window->runReadabilityCheck();
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(window->busyPointer().isBusy());
}

TEST_F(CheckTest, CheckAskedForDuringACheckRunsAfterIt) {
    const QString first = imagePdf(files, QStringLiteral("first.pdf"));
    const QString second = imagePdf(files, QStringLiteral("second.pdf"));
    add({first});
    bool added = false;
    QTimer::singleShot(0, [&] {
        window->fileList().appendEntry(second);
        window->runReadabilityCheck();
        added = true;
    });
    window->runReadabilityCheck();
    ASSERT_TRUE(added);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0], QStringLiteral("These files could not be read:\r\n\r\n") +
                                         first + QStringLiteral("\r\n") + kTail + kOcrLine);
    EXPECT_EQ(dialogs.messages()[1], QStringLiteral("These files could not be read:\r\n\r\n") +
                                         first + QStringLiteral("\r\n") + second +
                                         QStringLiteral("\r\n") + kTail + kOcrLine);
}

} // namespace

} // namespace corvander
