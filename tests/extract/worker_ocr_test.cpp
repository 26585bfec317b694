// The worker reading pages without a text layer by OCR: scans the tests make from their own
// documents, side by side with pdftotext for the pages that do have text.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"
#include "tests/support/scanned_pages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

constexpr int kScanDpi = 300;

const QStringList kLetter{QStringLiteral("Quarterly statement from Harbour Street Library"),
                          QStringLiteral("Payment is due within thirty days"),
                          QStringLiteral("Thank you for your custom")};

// The words of a text, apart at blanks, line ends and form feeds.
QStringList wordsOf(const QByteArray& text) {
    return QString::fromUtf8(text).split(QRegularExpression(QStringLiteral("[ \r\n\f]+")),
                                         Qt::SkipEmptyParts);
}

QStringList firstWords(const QByteArray& text, int count) {
    return wordsOf(text).mid(0, count);
}

int kilobytes(const QByteArray& statusLine) {
    return statusLine.simplified().split(' ').value(1).toInt();
}

// The scans are drawn once for all tests: drawing a page at 300 dpi takes a while.
class WorkerOcr : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new QTemporaryDir;
        PdfDocument printed;
        printed.pages = {kLetter};
        s_letter = new PdfGreyImage(renderedPage(printed, 1, kScanDpi).value_or(PdfGreyImage()));
    }
    static void TearDownTestSuite() {
        delete s_letter;
        delete s_folder;
    }

    void SetUp() override { ASSERT_GT(s_letter->width, 0) << "pdftoppm could not draw the letter"; }

    // A document of these pages: text lines, or the scanned letter where a page is null.
    static QString document(const QString& name, const QList<std::optional<QStringList>>& pages) {
        PdfDocument doc;
        for (const std::optional<QStringList>& page : pages) {
            if (page)
                doc.pages.append(*page);
            else
                addScannedPage(doc, *s_letter, kScanDpi);
        }
        return write(QDir(s_folder->path()), name, doc);
    }

    static QString scan() { return document(QStringLiteral("scan0001.pdf"), {std::nullopt}); }

    static QTemporaryDir* s_folder;
    static PdfGreyImage* s_letter;
    QProcessEnvironment environment = workerEnvironment();
    WorkerSession worker{environment};
};

QTemporaryDir* WorkerOcr::s_folder = nullptr;
PdfGreyImage* WorkerOcr::s_letter = nullptr;

TEST_F(WorkerOcr, AScanGivesItsWordsWithOcrAndNoneWithout) {
    const QString path = scan();
    const std::optional<Fields> plain = worker.ask(textRequest(path));
    ASSERT_TRUE(plain);
    EXPECT_EQ(number(*plain, Tag::Status), 0);
    EXPECT_TRUE(wordsOf(field(*plain, Tag::Text)).isEmpty());
    EXPECT_FALSE(plain->has(Tag::OcrPages));

    const std::optional<Fields> read = worker.askPastProgress(ocrRequest(path));
    ASSERT_TRUE(read);
    EXPECT_EQ(number(*read, Tag::Status), 0);
    EXPECT_FALSE(read->has(Tag::Error));
    EXPECT_EQ(number(*read, Tag::PageCount), 1);
    EXPECT_EQ(field(*read, Tag::OcrPages), "1");
    EXPECT_TRUE(read->has(Tag::OcrTimedOut));
    EXPECT_EQ(field(*read, Tag::OcrTimedOut), "");
    const QByteArray text = field(*read, Tag::Text);
    EXPECT_EQ(firstWords(text, 5), kLetter[0].split(QLatin1Char(' ')).mid(0, 5)) << text.data();

    // Laid out as a page of pdftotext: CR LF line ends, single blanks, an empty line and a form
    // feed at the end.
    EXPECT_TRUE(text.endsWith("\r\n\r\n\f")) << text.data();
    EXPECT_FALSE(text.startsWith("\r\n"));
    EXPECT_EQ(text.count('\n'), text.count("\r\n"));
    EXPECT_EQ(text.count('\f'), 1);
    EXPECT_FALSE(text.contains("  "));
    EXPECT_FALSE(text.contains(" \r\n"));
    EXPECT_FALSE(text.contains("\r\n\r\n\r\n"));
    EXPECT_EQ(wordsOf(text).size(), kLetter.join(QLatin1Char(' ')).split(QLatin1Char(' ')).size())
        << text.data();

    // The same in the three languages at once, and in German alone.
    for (const char* languages : {"eng+deu+fra", "deu"}) {
        const std::optional<Fields> again =
            worker.askPastProgress(ocrRequest(path, 0, 0, languages));
        ASSERT_TRUE(again);
        EXPECT_FALSE(again->has(Tag::Error)) << languages;
        EXPECT_EQ(firstWords(field(*again, Tag::Text), 3), firstWords(text, 3)) << languages;
    }
}

TEST_F(WorkerOcr, PagesWithATextLayerAreNeverRead) {
    const QString letter = write(QDir(s_folder->path()), QStringLiteral("letter.pdf"),
                                 pdfOfPages({kLetter[0], kLetter[1]}));
    // The third page of this one is empty: OCR looks at it, finds nothing, and leaves it be.
    const QString report = write(QDir(s_folder->path()), QStringLiteral("report.pdf"), multiPage());
    for (const QString& path : {letter, report}) {
        QList<QByteArray> progress;
        const std::optional<Fields> answer = worker.askPastProgress(ocrRequest(path), &progress);
        ASSERT_TRUE(answer);
        EXPECT_EQ(number(*answer, Tag::Status), 0);
        EXPECT_EQ(field(*answer, Tag::Text), runPdftotext(path, {}, environment).output);
        const QByteArray expected = path == letter ? "" : "3";
        EXPECT_EQ(field(*answer, Tag::OcrPages), expected);
        EXPECT_EQ(progress, path == letter ? QList<QByteArray>() : QList<QByteArray>{"ocr 3"});
    }
}

TEST_F(WorkerOcr, AMixedDocumentReadsItsScannedPageByOcrAndTheOtherFromItsText) {
    const QStringList cover{QStringLiteral("Covering note for the enclosed statement")};
    const QString path = document(QStringLiteral("mixed.pdf"), {cover, std::nullopt});
    const QByteArray firstPage = runPdftotext(path,
                                              {QStringLiteral("-f"), QStringLiteral("1"),
                                               QStringLiteral("-l"), QStringLiteral("1")},
                                              environment)
                                     .output;
    ASSERT_FALSE(firstPage.isEmpty());

    const std::optional<Fields> whole = worker.askPastProgress(ocrRequest(path));
    ASSERT_TRUE(whole);
    EXPECT_EQ(field(*whole, Tag::OcrPages), "2");
    const QByteArray text = field(*whole, Tag::Text);
    EXPECT_TRUE(text.startsWith(firstPage)) << text.data();
    EXPECT_EQ(firstWords(text.mid(firstPage.size()), 2), QStringList({"Quarterly", "statement"}));

    // A range of the second page alone, and the last page: read by OCR as well.
    Fields lastPage = ocrRequest(path);
    lastPage.add(Tag::LastPageOnly, "1");
    for (const Fields& request : {ocrRequest(path, 2, 2), lastPage}) {
        const std::optional<Fields> answer = worker.askPastProgress(request);
        ASSERT_TRUE(answer);
        EXPECT_EQ(field(*answer, Tag::OcrPages), "2");
        EXPECT_EQ(field(*answer, Tag::Text), text.mid(firstPage.size()));
    }
    // The first page alone needs no OCR.
    const std::optional<Fields> first = worker.askPastProgress(ocrRequest(path, 1, 1));
    ASSERT_TRUE(first);
    EXPECT_EQ(field(*first, Tag::Text), firstPage);
    EXPECT_EQ(field(*first, Tag::OcrPages), "");
}

TEST_F(WorkerOcr, APosterIsDrawnSmallEnoughToStayWithinMemory) {
    // The letter on a page four times as wide and high (a little over A0): at 300 dpi it would
    // make an image of 135 megapixels.
    PdfDocument poster;
    addScannedPage(poster, *s_letter, kScanDpi / 4);
    const QString path = write(QDir(s_folder->path()), QStringLiteral("poster.pdf"), poster);
    const std::optional<Fields> answer = worker.askPastProgress(ocrRequest(path));
    ASSERT_TRUE(answer);
    EXPECT_EQ(field(*answer, Tag::OcrPages), "1");
    EXPECT_EQ(firstWords(field(*answer, Tag::Text), 3), kLetter[0].split(' ').mid(0, 3));
    std::printf("peak worker RSS %d kB\n", kilobytes(worker.procLine("status", "VmHWM:")));
    EXPECT_LT(kilobytes(worker.procLine("status", "VmHWM:")), 400 * 1024);
}

TEST_F(WorkerOcr, ABlankPictureGivesNoWordsAndATinyTimeLimitRunsOut) {
    PdfDocument blank;
    addScannedPage(blank, plainPicture(s_letter->width, s_letter->height), kScanDpi);
    PdfDocument patch;
    patch.pages = {{}};
    patch.imageOnly = true;
    for (const PdfDocument& doc : {blank, patch}) {
        const QString path = write(QDir(s_folder->path()), QStringLiteral("blank.pdf"), doc);
        const std::optional<Fields> answer = worker.askPastProgress(ocrRequest(path));
        ASSERT_TRUE(answer);
        EXPECT_EQ(number(*answer, Tag::Status), 0);
        EXPECT_EQ(field(*answer, Tag::Text), runPdftotext(path, {}, environment).output);
        EXPECT_EQ(field(*answer, Tag::OcrPages), "1");
        EXPECT_EQ(field(*answer, Tag::OcrTimedOut), "");
    }

    // Out of time: the page keeps its own (wordless) text and says so; the worker goes on.
    const QString path = document(QStringLiteral("twice.pdf"), {std::nullopt, std::nullopt});
    Fields hurried = ocrRequest(path);
    hurried.add(Tag::OcrTimeout, "1");
    const std::optional<Fields> answer = worker.askPastProgress(hurried);
    ASSERT_TRUE(answer);
    EXPECT_EQ(number(*answer, Tag::Status), 0);
    EXPECT_EQ(field(*answer, Tag::OcrTimedOut), "1,2");
    EXPECT_EQ(field(*answer, Tag::OcrPages), "");
    EXPECT_EQ(field(*answer, Tag::Text), runPdftotext(path, {}, environment).output);
    const std::optional<Fields> unhurried = worker.askPastProgress(ocrRequest(path, 2, 2));
    ASSERT_TRUE(unhurried);
    EXPECT_EQ(field(*unhurried, Tag::OcrPages), "2");
    EXPECT_EQ(field(*unhurried, Tag::OcrTimedOut), "");
}

TEST_F(WorkerOcr, RecognitionStopsAtTheTimeLimit) {
    // Forty-eight lines of words: reading them takes seconds, drawing them a fraction of one.
    PdfDocument dense;
    dense.pages = {{}};
    for (int line = 0; line < 48; ++line)
        dense.pages[0].append(kLetter[line % kLetter.size()] + QStringLiteral(" and ") +
                              kLetter[(line + 1) % kLetter.size()]);
    const std::optional<PdfGreyImage> picture = renderedPage(dense, 1, kScanDpi);
    ASSERT_TRUE(picture);
    PdfDocument scanned;
    addScannedPage(scanned, *picture, kScanDpi);
    const QString path = write(QDir(s_folder->path()), QStringLiteral("dense.pdf"), scanned);
    // The languages set up first, so that the clock below times the page alone.
    ASSERT_TRUE(worker.askPastProgress(ocrRequest(scan())));

    constexpr int kLimit = 1000;
    Fields request = ocrRequest(path);
    request.add(Tag::OcrTimeout, std::to_string(kLimit));
    worker.send(QByteArray::fromStdString(request.encode()));
    ASSERT_TRUE(worker.nextAnswer(30000)); // the page starts
    QElapsedTimer clock;
    clock.start();
    const std::optional<Fields> answer = worker.nextAnswer(30000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(field(*answer, Tag::OcrTimedOut), "1");
    EXPECT_LT(clock.elapsed(), kLimit + 1500);
}

TEST_F(WorkerOcr, ProgressFramesComeBeforeTheAnswerAndNeverWithoutOcr) {
    const QString path =
        document(QStringLiteral("sandwich.pdf"),
                 {std::nullopt, QStringList{QStringLiteral("Middle")}, std::nullopt});
    worker.send(QByteArray::fromStdString(ocrRequest(path).encode()));
    QList<QByteArray> frames;
    for (;;) {
        const std::optional<Fields> frame = worker.nextAnswer(90000);
        ASSERT_TRUE(frame);
        EXPECT_EQ(field(*frame, Tag::Id), "t");
        if (frame->has(Tag::Status))
            break;
        EXPECT_FALSE(frame->has(Tag::Text));
        frames.append(field(*frame, Tag::Progress));
    }
    EXPECT_EQ(frames, QList<QByteArray>({"ocr 1", "ocr 3"}));
    // Nothing after the answer.
    EXPECT_FALSE(worker.nextAnswer(300));

    worker.send(QByteArray::fromStdString(textRequest(path).encode()));
    const std::optional<Fields> plain = worker.nextAnswer(30000);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->has(Tag::Status));
}

TEST_F(WorkerOcr, LanguagesThatAreNotInstalledAreNamedAndReadNothing) {
    const QString path = scan();
    // Each with what the error must name: the missing language, and not the installed one.
    const QList<QPair<const char*, QByteArray>> cases{{"eng+xyz", "\"xyz\""},
                                                      {"../tessdata/eng", "\"../tessdata/eng\""},
                                                      {"qqq+deu", "\"qqq\""},
                                                      {"eng+", "\"\""}};
    for (const auto& [languages, named] : cases) {
        const std::optional<Fields> answer =
            worker.askPastProgress(ocrRequest(path, 0, 0, languages));
        ASSERT_TRUE(answer) << languages;
        EXPECT_EQ(number(*answer, Tag::Status), 0) << languages;
        EXPECT_TRUE(wordsOf(field(*answer, Tag::Text)).isEmpty()) << languages;
        EXPECT_EQ(field(*answer, Tag::OcrPages), "") << languages;
        const QByteArray error = field(*answer, Tag::Error);
        EXPECT_TRUE(error.contains(named)) << error.data();
        EXPECT_FALSE(error.contains("\"eng\"") || error.contains("\"deu\"")) << error.data();
    }
    // The installed ones still read.
    EXPECT_EQ(field(*worker.askPastProgress(ocrRequest(path)), Tag::OcrPages), "1");

    Fields languages;
    languages.add(Tag::Operation, corvander::protocol::kOperationLanguages);
    languages.add(Tag::Id, "l");
    const std::optional<Fields> list = worker.ask(languages);
    ASSERT_TRUE(list);
    EXPECT_EQ(number(*list, Tag::Status), 0);
    const QList<QByteArray> names = field(*list, Tag::OcrLanguages).split('+');
    for (const char* name : {"deu", "eng", "fra"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_FALSE(names.contains("osd"));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST_F(WorkerOcr, ATimeLimitThatIsNoNumberOfMillisecondsIsRefused) {
    const QString path = scan();
    for (const char* limit : {"soon", "0", "-5", "", "86400001"}) {
        Fields request = ocrRequest(path);
        request.add(Tag::OcrTimeout, limit);
        const std::optional<Fields> answer = worker.askPastProgress(request);
        ASSERT_TRUE(answer);
        EXPECT_EQ(number(*answer, Tag::Status), 2) << limit;
        EXPECT_TRUE(field(*answer, Tag::Text).isEmpty()) << limit;
    }
}

TEST_F(WorkerOcr, OneThreadTimeForEachPageAndMemoryThatStaysPut) {
    // Started as the program starts it, with nothing said about threads.
    QProcessEnvironment plain = workerEnvironment();
    plain.remove(QStringLiteral("OMP_THREAD_LIMIT"));
    WorkerSession fresh(plain);
    const QString path = scan();
    Fields request = ocrRequest(path);
    request.add(Tag::OcrTimeout, "60000");
    ASSERT_EQ(field(*fresh.askPastProgress(request), Tag::OcrPages), "1");
    EXPECT_EQ(fresh.procLine("status", "Threads:").simplified(), "Threads: 1");
    QFile environ(QStringLiteral("/proc/%1/environ").arg(fresh.process().processId()));
    ASSERT_TRUE(environ.open(QIODevice::ReadOnly));
    EXPECT_TRUE(environ.readAll().split('\0').contains("OMP_THREAD_LIMIT=1"));
    // The page's own time on top of the request's budget.
    const QList<QByteArray> cpu = fresh.procLine("limits", "Max cpu time").simplified().split(' ');
    EXPECT_GE(cpu.value(3).toInt(), 180);
    EXPECT_LE(cpu.value(3).toInt(), 200);

    // Page after page, in one language and then in three: the set-ups stay, nothing else does.
    for (const char* languages : {"eng", "eng+deu+fra"}) {
        const Fields again = ocrRequest(path, 0, 0, languages);
        ASSERT_EQ(field(*fresh.askPastProgress(again), Tag::OcrPages), "1");
        const int settled = kilobytes(fresh.procLine("status", "VmRSS:"));
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(fresh.askPastProgress(again));
        const int after = kilobytes(fresh.procLine("status", "VmRSS:"));
        // The allocator's own ups and downs stay well below one leaked page image (a page of
        // 8.7 million grey pixels), four of which this would show.
        EXPECT_LT(after - settled, 24 * 1024)
            << languages << ": " << settled << " kB, then " << after << " kB";
    }
}

} // namespace

} // namespace corvander
