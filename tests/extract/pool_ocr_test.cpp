// The pool reading scanned pages by OCR: only pages without words, spread over the workers,
// each page read once, and the bar telling which page is being read.
#include "common/event_loop_waiter.h"
#include "common/window_port.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "naming/content_request.h"
#include "naming/file_planner.h"
#include "tests/extract/worker_documents.h"
#include "tests/support/scanned_pages.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

constexpr int kScanDpi = 300;

const QStringList kLetter{QStringLiteral("Quarterly statement from Harbour Street Library"),
                          QStringLiteral("Payment is due within thirty days")};
const QStringList kInvoice{QStringLiteral("Invoice 4711 from Lindqvist Hardware"),
                           QStringLiteral("Total due 120 crowns")};

class Bar : public ProgressView {
public:
    int progressValue() const override { return 0; }
    QString progressText() const override { return texts.value(texts.size() - 1); }
    void setProgressValue(int) override {}
    void setProgressText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

class PoolOcr : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PdfDocument printed;
        printed.pages = {kLetter};
        s_letter = new PdfGreyImage(renderedPage(printed, 1, kScanDpi).value_or(PdfGreyImage()));
    }
    static void TearDownTestSuite() { delete s_letter; }
    void SetUp() override { ASSERT_GT(s_letter->width, 0) << "pdftoppm could not draw the letter"; }

    // Pages of text, or the scanned letter where a page is null, or a blank scan where empty.
    QString document(const QString& name, const QList<std::optional<QStringList>>& pages) {
        PdfDocument doc;
        for (const std::optional<QStringList>& page : pages) {
            if (!page)
                addScannedPage(doc, *s_letter, kScanDpi);
            else if (page->isEmpty())
                addScannedPage(doc, plainPicture(s_letter->width, s_letter->height), kScanDpi);
            else
                doc.pages.append(*page);
        }
        return worker_documents::write(QDir(dir.path()), name, doc);
    }

    std::unique_ptr<ExtractionPool> pool(bool ocr, int workers = 2, int ocrTimeout = 120000) {
        corvander::PoolSettings settings{CORVANDER_EXTRACT_PROGRAM, workers, 60000, ocrTimeout};
        auto made = std::make_unique<ExtractionPool>(settings);
        made->setOcr({ocr, QStringLiteral("eng")});
        return made;
    }

    ExtractResult read(ExtractionPool& on, const ExtractRequest& request, Bar* bar = nullptr) {
        corvander::WaitingProgress progress(bar, QStringLiteral("Processing"), 0, 1);
        return corvander::waitForResult(on, waiter, on.submit(request), bar ? &progress : nullptr);
    }

    // The name a content mode gives the file, or why it skips it.
    QString named(ExtractionPool& on, int mode, const QString& path, int count, int page = 1,
                  const QString& wordList = {}) {
        const auto request = contentRequest(mode, path, count, page, wordList, {});
        const auto planned =
            corvander::planByContent(mode, path, count, page, wordList, {},
                                     request ? std::optional(read(on, *request)) : std::nullopt);
        return planned.skip == SkipReason::None ? planned.name : planned.skipText();
    }

    static PdfGreyImage* s_letter;
    QTemporaryDir dir;
    corvander::EventLoopWaiter waiter;
};

PdfGreyImage* PoolOcr::s_letter = nullptr;

TEST_F(PoolOcr, OnlyPagesWithoutWordsAreReadAndOnlyWithOcrOn) {
    const QString scan = document(QStringLiteral("scan0001.pdf"), {std::nullopt});
    const QString text = document(QStringLiteral("invoice.pdf"), {kInvoice});
    const QString mixed = document(QStringLiteral("mixed.pdf"), {kInvoice, std::nullopt});
    const auto off = pool(false);
    const auto on = pool(true);

    // Without OCR a scan's page is a lone form feed: the document has no text at all.
    EXPECT_EQ(named(*off, 0, scan, 3), QStringLiteral("no text"));
    EXPECT_EQ(named(*on, 0, scan, 3), QStringLiteral("Quarterly statement from"));

    // A text layer reads the same either way, and OCR never looks at it.
    const ExtractResult plain = read(*off, ExtractRequest::wholeText(text));
    const ExtractResult withOcr = read(*on, ExtractRequest::wholeText(text));
    EXPECT_EQ(withOcr.text, plain.text);
    EXPECT_TRUE(withOcr.ocrPages.isEmpty());
    EXPECT_EQ(named(*on, 0, text, 2), named(*off, 0, text, 2));

    // Page 2 is the scan: read by OCR for mode 1, while mode 4 takes page 1 from its text.
    EXPECT_EQ(named(*on, 1, mixed, 2, 2), QStringLiteral("Quarterly statement"));
    // Without OCR only page 2 was read, and page 1 has text: the reason names the page.
    EXPECT_EQ(named(*off, 1, mixed, 2, 2), QStringLiteral("no text on page 2"));
    EXPECT_EQ(named(*on, 4, mixed, 0, 1, QStringLiteral("2,3")), QStringLiteral("4711 from"));
    EXPECT_TRUE(read(*on, ExtractRequest::pageText(mixed, 1)).ocrPages.isEmpty());
    // The whole document: its text page as it is, then the scan's words, in page order.
    const ExtractResult whole = read(*on, ExtractRequest::wholeText(mixed));
    EXPECT_EQ(whole.ocrPages, QList<int>{2});
    EXPECT_TRUE(whole.text.startsWith(read(*off, ExtractRequest::pageText(mixed, 1)).text));
    EXPECT_TRUE(whole.text.contains("Harbour Street Library")) << whole.text.constData();
    EXPECT_EQ(whole.text.count('\f'), 2);
}

TEST_F(PoolOcr, PagesAreSpreadOverTheWorkersReadOnceAndShownOnTheBar) {
    const QString scans =
        document(QStringLiteral("scans.pdf"), {std::nullopt, kInvoice, std::nullopt});
    const auto on = pool(true, 2);
    Bar bar;
    const ExtractResult first = read(*on, ExtractRequest::wholeText(scans), &bar);
    EXPECT_EQ(first.ocrPages, (QList<int>{1, 3}));
    EXPECT_EQ(on->requestsSent(), 3) << "the text, then each scanned page on its own";
    // Counted among the two scanned pages of the file, not by its page numbers.
    EXPECT_TRUE(bar.texts.contains(QStringLiteral("OCR page 1 of 2: scans.pdf")) ||
                bar.texts.contains(QStringLiteral("OCR page 2 of 2: scans.pdf")))
        << bar.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(bar.texts.last(), QStringLiteral("Processing")) << "the note goes with the page";

    // A preview and then the run: the scanned pages are not read again.
    EXPECT_EQ(read(*on, ExtractRequest::wholeText(scans)).text, first.text);
    EXPECT_EQ(on->requestsSent(), 4);
    EXPECT_EQ(named(*on, 3, scans, 2, 3), QStringLiteral("Quarterly statement"));
    EXPECT_EQ(on->requestsSent(), 4);
    // Other languages are another reading.
    on->setOcr({true, QStringLiteral("eng+deu")});
    read(*on, ExtractRequest::pageText(scans, 3));
    EXPECT_EQ(on->requestsSent(), 5);
}

TEST_F(PoolOcr, ARuleReadsOnlyTheScannedPagesItNeedsInPageOrder) {
    const QString mixed = document(QStringLiteral("mixed.pdf"),
                                   {kInvoice, std::nullopt, std::nullopt, kInvoice, std::nullopt});
    const auto whole = pool(true, 2);
    // One worker reads no page ahead, so every page it is sent is a page the rule needed.
    const auto early = pool(true, 1);
    // Read as far as the rule needs, or whole.
    const auto nameOf = [&](ExtractionPool& on, int mode, int count, const QString& search,
                            ExtractResult* result) {
        const auto request = &on == early.get() ? *contentRequest(mode, mixed, count, 0, {}, search)
                                                : ExtractRequest::wholeText(mixed);
        *result = read(on, request);
        const auto planned = corvander::planByContent(mode, mixed, count, 0, {}, search, *result);
        return planned.skip == SkipReason::None ? planned.name
                                                : corvander::skipReasonText(planned.skip);
    };
    const struct {
        int mode;
        int count;
        QString search;
        QList<int> ocrPages;
        int requests;
    } cases[] = {
        {0, 3, {}, {}, 1},
        {6, 2, QStringLiteral("crowns"), {}, 1},
        // Page 1 holds ten words; the eleventh is the scan's first.
        {0, 12, {}, {2}, 2},
        // Page 2 is known by now.
        {5, 1, QStringLiteral("thirty"), {2}, 1},
        // In no page: every scan is read, and each page after the first scan on its own.
        {5, 1, QStringLiteral("zebra"), {2, 3, 5}, 4},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.mode) + " " + c.search.toStdString();
        const qint64 before = early->requestsSent();
        ExtractResult read;
        ExtractResult all;
        EXPECT_EQ(nameOf(*early, c.mode, c.count, c.search, &read),
                  nameOf(*whole, c.mode, c.count, c.search, &all))
            << what;
        EXPECT_EQ(read.ocrPages, c.ocrPages) << what;
        EXPECT_EQ(early->requestsSent() - before, c.requests) << what;
    }
    const qint64 before = early->requestsSent();
    const ExtractResult checked =
        read(*early, ExtractRequest::textUntil(mixed, corvander::StopRule::bytes(10)));
    EXPECT_EQ(corvander::readabilityOf(checked), corvander::Readability::Readable);
    EXPECT_TRUE(checked.ocrPages.isEmpty());
    EXPECT_EQ(early->requestsSent() - before, 1);

    // A scan first: OCR reads it, and the text page after it is not needed.
    const QString scanFirst =
        document(QStringLiteral("scan-first.pdf"), {std::nullopt, kInvoice, std::nullopt});
    const ExtractResult first = read(*early, *contentRequest(0, scanFirst, 4, 0, {}, {}));
    EXPECT_EQ(first.ocrPages, QList<int>{1});
    EXPECT_EQ(first.pagesRead, 1);
}

TEST_F(PoolOcr, BlankAndTimedOutScansAreSkippedEachForItsReason) {
    const QString blank = document(QStringLiteral("blank.pdf"), {QStringList()});
    const QString scan = document(QStringLiteral("scan0002.pdf"), {std::nullopt});
    EXPECT_EQ(named(*pool(true), 0, blank, 2), QStringLiteral("no text"));

    const auto hurried = pool(true, 1, 1);
    EXPECT_EQ(read(*hurried, ExtractRequest::wholeText(scan)).ocrTimedOut, QList<int>{1});
    EXPECT_EQ(named(*hurried, 0, scan, 2).toStdString(), "OCR timed out");
    EXPECT_EQ(named(*hurried, 2, scan, 2).toStdString(), "OCR timed out");
}

} // namespace

} // namespace corvander
