// The page view: the first page drawn by a real worker, and zones chosen by dragging over it.
#include "app/page_view.h"
#include "common/event_loop_waiter.h"
#include "extract/waiting_progress.h"
#include "naming/template/template_extraction.h"
#include "naming/template/template_naming.h"
#include "naming/template/template_parser.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QRubberBand>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace corvander {

namespace {

class PageViewTest : public ::testing::Test {
protected:
    // One worker, so that requests are answered in the order they were sent.
    std::unique_ptr<ExtractionPool> pool =
        std::make_unique<ExtractionPool>(PoolSettings{CORVANDER_EXTRACT_PROGRAM, 1, 60000, 120000});
    QTemporaryDir dir;
    EventLoopWaiter waiter;

    // Shows the file's page and waits for the worker's answer: whether the page is drawn.
    static bool shown(PageView& view, const QString& path) {
        QSignalSpy answered(&view, &PageView::pageAnswered);
        view.showPage(path);
        if (answered.isEmpty())
            answered.wait(60000);
        return answered.size() == 1 && answered.first().first().toBool();
    }

    // The file as a run reads it for the template.
    TemplateDocument read(const QString& path, const Template& parsed) {
        const TemplateNeeds needs = templateNeeds({parsed});
        return templateDocument(path, needs,
                                extractNow(*pool, waiter, templateRequest(path, needs)));
    }
};

// The smallest rectangle that holds every white pixel: the page, as the room beside it is grey.
QRect whiteArea(const QImage& image) {
    QRect white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                white |= QRect(x, y, 1, 1);
    return white;
}

int chosenBy(PageView& view, QPoint from, QPoint to) {
    QSignalSpy chosen(&view, &PageView::zoneChosen);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    return int(chosen.size());
}

} // namespace

// Whether the picture has room beside or above it, and whatever part of the page it shows, a
// rectangle dragged round a word gives the zone that reads that word and nothing beside it.
TEST_F(PageViewTest, DraggingRoundAWordGivesTheZoneThatReadsIt) {
    const struct {
        const char* name;
        PdfPageSetup setup;
        QSize viewSize;
    } cases[] = {
        {"upright.pdf", {}, {500, 400}},
        {"cropped.pdf", {{}, {36, 600, 400, 760}, 0}, {300, 600}},
        {"turned.pdf", {{}, {}, 90}, {400, 700}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        PdfDocument doc = pdfOfPages({QStringLiteral("Invoice No.: AF-7731 dated today")});
        doc.pageSetup[0] = test.setup;
        const QString path = dir.filePath(QString::fromUtf8(test.name));
        ASSERT_TRUE(writePdf(path, doc));
        PageView view(*pool);
        view.resize(test.viewSize);
        view.show();
        ASSERT_TRUE(shown(view, path));
        EXPECT_TRUE(view.message().isEmpty());
        EXPECT_GE(std::max(view.picture().width(), view.picture().height()), 400);
        // Painted, scaled to fit, where the view takes a drag to lie.
        const QRectF drawn = view.pictureArea(), area = view.pageArea();
        const QRectF painted = whiteArea(view.grab().toImage());
        EXPECT_TRUE(QRectF(view.rect()).contains(drawn));
        EXPECT_TRUE(drawn.width() > view.width() - 1 || drawn.height() > view.height() - 1);
        EXPECT_LT((painted.topLeft() - drawn.topLeft()).manhattanLength(), 3);
        EXPECT_LT((painted.bottomRight() - drawn.bottomRight()).manhattanLength(), 3);

        // The worker's box of the word, and the view's places of its corners with a point of
        // room round it.
        const Template whole = parseTemplate(QStringLiteral("{zone 1 0 0 900 900}")).parsed;
        const WordBox word = read(path, whole).pageWords.value(0).words.value(2);
        ASSERT_EQ(word.text, QStringLiteral("AF-7731"));
        const auto at = [&](double x, double y) {
            return QPoint(int(drawn.left() + (x - area.left()) * drawn.width() / area.width()),
                          int(drawn.top() + (y - area.top()) * drawn.height() / area.height()));
        };
        const QPoint from = at(word.xMin - 1, word.yMin - 1);
        const QPoint to = at(word.xMax + 1, word.yMax + 1) + QPoint(1, 1);

        QSignalSpy chosen(&view, &PageView::zoneChosen);
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        EXPECT_TRUE(view.findChild<QRubberBand*>()->isVisible());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        EXPECT_FALSE(view.findChild<QRubberBand*>()->isVisible());
        ASSERT_EQ(chosen.size(), 1);
        const QString field = chosen.first().first().toString();
        const TemplateParse zone = parseTemplate(field);
        ASSERT_TRUE(zone.ok()) << field.toStdString();
        const ZoneRect rect = zone.parsed.parts.value(0).field.alternatives.value(0).zone;
        EXPECT_TRUE(QRectF(rect.x, rect.y, rect.width, rect.height)
                        .contains(QRectF(word.xMin, word.yMin, word.xMax - word.xMin,
                                         word.yMax - word.yMin)))
            << field.toStdString();
        const TemplateOutcome named =
            TemplateNamer({zone.parsed}, DateOrder::Dmy).name(read(path, zone.parsed));
        EXPECT_EQ(named.relativeName, QStringLiteral("AF-7731")) << field.toStdString();

        // A click, a hand that shook while clicking, and a drag over the room beside the
        // picture choose nothing.
        EXPECT_EQ(chosenBy(view, from, from), 0);
        EXPECT_EQ(chosenBy(view, from, from + QPoint(3, 2)), 0);
        const QPoint corner = drawn.toAlignedRect().topLeft();
        // (QTest takes the point 0, 0 for the view's centre.)
        if (corner.x() > 10) {
            EXPECT_EQ(chosenBy(view, {1, 1}, {corner.x() - 2, view.height() - 1}), 0);
        } else {
            EXPECT_EQ(chosenBy(view, {1, 1}, {view.width() - 1, corner.y() - 2}), 0);
        }
    }
}

// A file that cannot be drawn shows the text instead; only the file asked for last is shown, an
// answer still to come for another, or for a view that was cleared, being thrown away; and a view
// that outlives its pool neither waits nor calls it.
TEST_F(PageViewTest, ShowsOnlyTheLastFileAskedForAndSaysWhenItCannotBeDrawn) {
    const QString good = dir.filePath(QStringLiteral("good.pdf"));
    const QString notPdf = dir.filePath(QStringLiteral("notes.pdf"));
    ASSERT_TRUE(writePdf(good, pdfOfPages({QStringLiteral("Hello")})));
    ASSERT_TRUE(writePdf(notPdf, pdfOfPages({})) && QFile::resize(notPdf, 20));
    PageView view(*pool);
    EXPECT_EQ(view.objectName(), QStringLiteral("PageView"));
    EXPECT_EQ(view.accessibleName(), QStringLiteral("Page view"));
    view.resize(300, 400);
    view.show();
    QSignalSpy answered(&view, &PageView::pageAnswered);
    for (const QString& path : {notPdf, dir.filePath(QStringLiteral("missing.pdf"))}) {
        view.showPage(good);
        EXPECT_EQ(view.message(), QStringLiteral("Drawing the page…"));
        EXPECT_FALSE(shown(view, path));
        EXPECT_EQ(view.message(), QStringLiteral("No page to show"));
        EXPECT_EQ(view.accessibleDescription(), view.message());
        EXPECT_EQ(chosenBy(view, {5, 5}, {295, 395}), 0);
    }
    view.showPage(good);
    view.clear();
    // With one worker, this answer comes after those of the requests sent before it.
    extractNow(*pool, waiter, ExtractRequest::pageImage(good));
    QCoreApplication::processEvents();
    EXPECT_EQ(answered.size(), 2);
    EXPECT_TRUE(view.picture().isNull());
    EXPECT_TRUE(view.message().isEmpty());

    view.showPage(good);
    pool.reset();
    EXPECT_EQ(view.message(), QStringLiteral("No page to show"));
    EXPECT_FALSE(shown(view, good));
}

} // namespace corvander
