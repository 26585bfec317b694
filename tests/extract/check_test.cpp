#include "app/form1.h"
#include "extract/check.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/window_fixture.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

using namespace pdf_files;

class CheckTest : public WindowTest {
protected:
    void SetUp() override {
        load();
        dialogs.clear();
        ASSERT_FALSE(window->pdftotextPath().isEmpty());
        files.setPath(input.path());
    }

    void add(const QStringList& paths) {
        for (const QString& path : paths)
            window->appendEntry(path);
    }

    QTemporaryDir input;
    QDir files;
};

const QString kTail = QStringLiteral(
    "\r\nThis program will extract text from a PDF but this program will not extract text within "
    "an image within a PDF.\r\n\r\nEmail support@corvander.example.org if you have any "
    "questions.");

TEST_F(CheckTest, EmptyListRunsNothingAndSaysNothing) {
    window->setProgressText(QStringLiteral("untouched"));
    window->runReadabilityCheck();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(window->progressText(), QStringLiteral("untouched"));
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
    EXPECT_EQ(window->progressText(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
    EXPECT_EQ(window->entryCount(), 3);
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
                  QStringLiteral("\r\n") + empty + QStringLiteral("\r\n") + kTail);
    EXPECT_EQ(dialogs.shown().first().title, QStringLiteral("Corvander"));
    EXPECT_EQ(window->entryCount(), 6) << "the check never removes entries";
    EXPECT_TRUE(entriesOf(window->workFolderPath()).isEmpty())
        << entriesOf(window->workFolderPath()).join(QLatin1Char(' ')).toStdString();
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
                                              scan + QStringLiteral("\r\n") + kTail);
}

TEST_F(CheckTest, ShowsTheBusyPointerWhileItRuns) {
    add({textPdf(files, QStringLiteral("one.pdf"))});
    bool busyDuring = false;
    QTimer::singleShot(0, [&] { busyDuring = window->isBusy(); });
    window->runReadabilityCheck();
    EXPECT_TRUE(busyDuring);
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

TEST_F(CheckTest, LeavesTheBusyMarkOfARunItInterrupts) {
    add({imagePdf(files, QStringLiteral("scan.pdf"))});
    window->setBusy(true);
    window->runReadabilityCheck();
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(window->isBusy());
}

TEST_F(CheckTest, CheckAskedForDuringACheckRunsAfterIt) {
    const QString first = imagePdf(files, QStringLiteral("first.pdf"));
    const QString second = imagePdf(files, QStringLiteral("second.pdf"));
    add({first});
    bool added = false;
    QTimer::singleShot(0, [&] {
        window->appendEntry(second);
        window->runReadabilityCheck();
        added = true;
    });
    window->runReadabilityCheck();
    ASSERT_TRUE(added);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0], QStringLiteral("These files could not be read:\r\n\r\n") +
                                         first + QStringLiteral("\r\n") + kTail);
    EXPECT_EQ(dialogs.messages()[1], QStringLiteral("These files could not be read:\r\n\r\n") +
                                         first + QStringLiteral("\r\n") + second +
                                         QStringLiteral("\r\n") + kTail);
    EXPECT_TRUE(entriesOf(window->workFolderPath()).isEmpty());
}

TEST_F(CheckTest, NineBytesOfOutputIsUnreadableTenIsNot) {
    // Writes nine bytes for a file whose name holds "nine", ten otherwise, into its last argument.
    const QString extractor = script(files, QStringLiteral("extractor.sh"),
                                     "for a; do out=\"$a\"; done\n"
                                     "case \"$out\" in *nine*) printf 123456789 > \"$out\";; "
                                     "*) printf 1234567890 > \"$out\";; esac");
    const QString nine = files.filePath(QStringLiteral("nine.pdf"));
    const QString ten = files.filePath(QStringLiteral("ten.pdf"));
    add({ten, nine});
    CheckByCodeNotPreviewTextbox(dialogs, *window, *window, *window, extractor,
                                 window->workFolderPath());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              nine + QStringLiteral("\r\n") + kTail);
    EXPECT_TRUE(entriesOf(window->workFolderPath()).isEmpty());
}

TEST_F(CheckTest, MissingExtractorMakesEveryFileUnreadable) {
    const QString good = textPdf(files, QStringLiteral("good.pdf"));
    add({good});
    CheckByCodeNotPreviewTextbox(dialogs, *window, *window, *window, QString(),
                                 window->workFolderPath());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(), QStringLiteral("These files could not be read:\r\n\r\n") +
                                              good + QStringLiteral("\r\n") + kTail);
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(CheckTest, ClosingTheWindowKillsTheExtractorItWaitsFor) {
    const QString marker = files.filePath(QStringLiteral("finished"));
    const QString extractor =
        script(files, QStringLiteral("slow.sh"), "sleep 20\ntouch '" + marker.toUtf8() + "'");
    add({textPdf(files, QStringLiteral("one.pdf"))});
    QTimer::singleShot(300, [&] { window->Form_Unload(); });
    QElapsedTimer clock;
    clock.start();
    CheckByCodeNotPreviewTextbox(dialogs, *window, *window, *window, extractor,
                                 window->workFolderPath());
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(QFile::exists(marker));
}

} // namespace
