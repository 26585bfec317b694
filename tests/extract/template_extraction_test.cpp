// What name templates need, asked of the extraction pool as one request per file: the document
// they are given, the words of scanned pages as OCR reads them, and the picture of a page.
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/metadata.h"
#include "extract/waiting_progress.h"
#include "naming/template/template_extraction.h"
#include "naming/words/extracted_text.h"
#include "tests/extract/worker_documents.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scanned_pages.h"
#include "tests/support/tesseract_languages.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

constexpr int kScanDpi = 300;

const QStringList kLetter{QStringLiteral("Quarterly statement from Harbour Street Library"),
                          QStringLiteral("Payment is due within thirty days")};

TemplateNeeds needs(TextExtent text, QList<int> boxPages, bool info, int leadingWords = 0) {
    TemplateNeeds made;
    made.text = text;
    made.leadingWords = leadingWords;
    made.boxPages.numbers = std::move(boxPages);
    made.info = info;
    return made;
}

QStringList wordTexts(const PageWords& page) {
    QStringList texts;
    for (const auto& word : page.words)
        texts << word.text;
    return texts;
}

class TemplateExtraction : public ::testing::Test {
protected:
    std::unique_ptr<ExtractionPool> pool(bool ocr) {
        corvander::PoolSettings settings{CORVANDER_EXTRACT_PROGRAM, 2, 60000, 120000};
        auto made = std::make_unique<ExtractionPool>(settings);
        made->setOcr({ocr, QStringLiteral("eng")});
        return made;
    }

    ExtractResult read(ExtractionPool& on, const ExtractRequest& request) {
        return corvander::waitForResult(on, waiter, on.submit(request), nullptr);
    }

    TemplateDocument document(ExtractionPool& on, const QString& path,
                              const TemplateNeeds& wanted) {
        return corvander::templateDocument(path, wanted,
                                           read(on, corvander::templateRequest(path, wanted)));
    }

    QTemporaryDir dir;
    corvander::EventLoopWaiter waiter;
};

TEST_F(TemplateExtraction, OneRequestGivesTheTextInformationAndWordsTheTemplatesNeed) {
    PdfDocument doc = worker_documents::multiPage();
    doc.info = {{QStringLiteral("Title"), QStringLiteral("Field notes")}};
    const QString path = worker_documents::write(dir.path(), QStringLiteral("notes.pdf"), doc);
    const auto on = pool(false);
    const QString whole = decodeExtractedText(read(*on, ExtractRequest::wholeText(path)).text);
    const QStringList info = documentInfoLines(read(*on, ExtractRequest::information(path)));
    ASSERT_TRUE(whole.startsWith(QStringLiteral("Annual report")));

    struct Case {
        const char* what;
        TemplateNeeds wanted;
        std::optional<QString> text;
        bool complete;
    };
    TemplateNeeds lastPage = needs(TextExtent::Pages, {}, false);
    lastPage.textPages.last = true;
    TemplateNeeds secondPage = needs(TextExtent::Pages, {}, true);
    secondPage.textPages.numbers = {2};
    const QString firstOne = whole.left(whole.indexOf(u'\f') + 1);
    const QString firstTwo =
        whole.left(whole.indexOf(QLatin1Char('\f'), whole.indexOf(u'\f') + 1) + 1);
    const QList<Case> cases{
        {"the whole text", needs(TextExtent::Whole, {1, 4}, true), whole, true},
        {"the first words", needs(TextExtent::Leading, {5}, true, 8), firstOne, false},
        {"the last page", lastPage, QString(4, u'\f') + whole.section(u'\f', 4), false},
        {"the second page", secondPage, firstTwo, false},
        {"words of pages alone", needs(TextExtent::None, {2, 4}, false), std::nullopt, true},
        {"the information alone", needs(TextExtent::None, {}, true), std::nullopt, true},
    };
    for (const Case& test : cases) {
        const TemplateDocument got = document(*on, path, test.wanted);
        EXPECT_EQ(got.path, path) << test.what;
        EXPECT_EQ(got.pageCount, 5) << test.what;
        EXPECT_EQ(got.text, test.text) << test.what;
        if (test.text) {
            EXPECT_EQ(got.textComplete, test.complete) << test.what;
        }
        EXPECT_EQ(got.infoLines, test.wanted.info ? std::optional(info) : std::nullopt)
            << test.what;
        QList<int> pages;
        for (const PageWords& page : got.pageWords)
            pages << page.page;
        EXPECT_EQ(pages, test.wanted.boxPages.numbers) << test.what;
    }
    const TemplateDocument four = document(*on, path, needs(TextExtent::Whole, {4}, false));
    ASSERT_EQ(four.pageWords.size(), 1);
    EXPECT_EQ(wordTexts(four.pageWords.first()).join(u' '),
              QStringLiteral("Page four: tables and figures"));
    EXPECT_EQ(four.pageWords.first().width, 612);

    // A file that cannot be read gives nothing at all.
    const QString broken = worker_documents::brokenFiles(dir.path()).at(2);
    const TemplateDocument none = document(*on, broken, needs(TextExtent::Whole, {1}, true));
    EXPECT_FALSE(none.text);
    EXPECT_FALSE(none.infoLines);
    EXPECT_TRUE(none.pageWords.isEmpty());
}

// A scan of a printed letter: OCR's words must lie where the printed letter has them.
TEST_F(TemplateExtraction, ScannedPagesGiveTheWordsOcrReadWhereThePrintLaysThem) {
    if (!tesseractLanguages().contains(QStringLiteral("eng")))
        GTEST_SKIP() << "no English OCR data";
    PdfDocument printed;
    printed.pages = {kLetter};
    const std::optional<PdfGreyImage> scan = renderedPage(printed, 1, kScanDpi);
    ASSERT_TRUE(scan);
    PdfDocument scanned;
    scanned.pages = {{QStringLiteral("Cover page")}};
    addScannedPage(scanned, *scan, kScanDpi);
    const QString scanPath =
        worker_documents::write(dir.path(), QStringLiteral("scan.pdf"), scanned);
    const QString printPath =
        worker_documents::write(dir.path(), QStringLiteral("print.pdf"), printed);

    const auto off = pool(false);
    const auto on = pool(true);
    const TemplateDocument print = document(*off, printPath, needs(TextExtent::None, {1}, false));
    ASSERT_EQ(print.pageWords.size(), 1);
    // The scan's page read for the text, and read for its words alone after an early stop.
    for (const TemplateNeeds& wanted :
         {needs(TextExtent::Whole, {2}, false), needs(TextExtent::Leading, {2}, false, 1)}) {
        const TemplateDocument read = document(*on, scanPath, wanted);
        ASSERT_EQ(read.pageWords.size(), 1);
        const PageWords& words = read.pageWords.first();
        EXPECT_EQ(words.page, 2);
        EXPECT_EQ(wordTexts(words), wordTexts(print.pageWords.first()));
        for (qsizetype i = 0; i < std::min(words.words.size(), print.pageWords[0].words.size());
             ++i) {
            const auto& ocr = words.words.at(i);
            const auto& type = print.pageWords[0].words.at(i);
            const QPointF centre((ocr.xMin + ocr.xMax) / 2, (ocr.yMin + ocr.yMax) / 2);
            EXPECT_TRUE(QRectF(QPointF(type.xMin, type.yMin), QPointF(type.xMax, type.yMax))
                            .adjusted(-2, -2, 2, 2)
                            .contains(centre))
                << ocr.text.toStdString();
        }
    }
    // Without OCR the scan has no words.
    const TemplateDocument unread = document(*off, scanPath, needs(TextExtent::None, {2}, false));
    ASSERT_EQ(unread.pageWords.size(), 1);
    EXPECT_TRUE(unread.pageWords.first().words.isEmpty());
}

TEST_F(TemplateExtraction, APageIsDrawnAsAPngForThePageView) {
    PdfDocument doc = worker_documents::shapedPages();
    const QString path = worker_documents::write(dir.path(), QStringLiteral("shaped.pdf"), doc);
    const auto on = pool(false);
    struct Case {
        int page;
        QSize box;
        QSize expected;
        QRectF area;
    };
    // Page 1 shows its crop box; page 2 is turned a quarter; page 4 is A4 turned three quarters.
    const QList<Case> cases{
        {1, {}, {607, 600}, {36, 32, 364, 360}},
        {2, {}, {776, 600}, {0, 0, 792, 612}},
        {3, {300, 300}, {232, 300}, {0, 0, 612, 792}},
        {4, {}, {849, 600}, {0, 0, 841.89, 595.28}},
    };
    for (const Case& test : cases) {
        const ExtractResult result =
            read(*on, ExtractRequest::pageImage(path, test.page, test.box));
        ASSERT_EQ(result.status, 0) << test.page << " " << result.error.toStdString();
        const QImage image = QImage::fromData(result.image, "PNG");
        ASSERT_FALSE(image.isNull()) << test.page;
        EXPECT_EQ(image.size(), result.imageSize) << test.page;
        EXPECT_NEAR(image.width(), test.expected.width(), 1) << test.page;
        EXPECT_NEAR(image.height(), test.expected.height(), 1) << test.page;
        EXPECT_NEAR(result.pageArea.left(), test.area.left(), 0.01) << test.page;
        EXPECT_NEAR(result.pageArea.top(), test.area.top(), 0.01) << test.page;
        EXPECT_NEAR(result.pageArea.width(), test.area.width(), 0.01) << test.page;
        EXPECT_NEAR(result.pageArea.height(), test.area.height(), 0.01) << test.page;
    }
    // The words are drawn where their boxes say they stand, and nothing is drawn far below them.
    const QString letter = worker_documents::write(dir.path(), QStringLiteral("letter.pdf"),
                                                   pdfOfPages({QStringLiteral("WWWW MMMM")}));
    const ExtractResult drawn = read(*on, ExtractRequest::pageImage(letter));
    const QImage picture = QImage::fromData(drawn.image, "PNG");
    const TemplateDocument words = document(*on, letter, needs(TextExtent::None, {1}, false));
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(words.pageWords.value(0).words.size(), 2);
    const auto darkPixels = [&](const QRectF& points) {
        const double scale = picture.width() / drawn.pageArea.width();
        const QRect pixels((points.topLeft() - drawn.pageArea.topLeft()).toPoint() * scale,
                           (points.bottomRight() - drawn.pageArea.topLeft()).toPoint() * scale);
        int dark = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    for (const auto& word : words.pageWords.first().words)
        EXPECT_GT(darkPixels({QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax)}), 20)
            << word.text.toStdString();
    EXPECT_EQ(darkPixels({QPointF(72, 300), QPointF(500, 700)}), 0);

    const ExtractResult past = read(*on, ExtractRequest::pageImage(path, 9));
    EXPECT_EQ(past.status, 99);
    EXPECT_TRUE(past.image.isEmpty());
}

} // namespace

} // namespace corvander
