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

#include <cmath>
#include <memory>

using namespace corvander;

namespace {

const QStringList kInvoice{QStringLiteral("Invoice No.: AF-7731 dated today"),
                           QStringLiteral("Alder and Finch SARL")};

class PageViewTest : public ::testing::Test {
protected:
    // One worker, so that requests are answered in the order they were sent.
    std::unique_ptr<ExtractionPool> pool =
        std::make_unique<ExtractionPool>(PoolSettings{CORVANDER_EXTRACT_PROGRAM, 1, 60000, 120000});
    QTemporaryDir dir;
    EventLoopWaiter waiter;

    QString write(const QString& name, const PdfDocument& doc) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writePdf(path, doc));
        return path;
    }

    // Shows the file's page and waits for the worker's answer.
    static bool shown(PageView& view, const QString& path) {
        QSignalSpy answered(&view, &PageView::pageAnswered);
        view.showPage(path);
        if (answered.isEmpty())
            answered.wait(60000);
        return answered.size() == 1 && answered.first().first().toBool();
    }

    // The file as a run reads it for the template.
    TemplateDocument document(const QString& path, const Template& parsed) {
        const TemplateNeeds needs = templateNeeds({parsed});
        return templateDocument(path, needs,
                                extractNow(*pool, waiter, templateRequest(path, needs)));
    }

    QString named(const QString& path, const Template& parsed) {
        return TemplateNamer({parsed}, DateOrder::Dmy).name(document(path, parsed)).relativeName;
    }
};

// The smallest rectangle that holds every white pixel.
QRect whiteArea(const QImage& image) {
    QRect white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                white |= QRect(x, y, 1, 1);
    return white;
}

void drag(PageView& view, QPoint from, QPoint to) {
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, (from + to) / 2);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

} // namespace

// Whether the picture stands beside or above empty room, and whatever part of the page it shows,
// a rectangle dragged round a word gives the zone that reads that word and nothing beside it.
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
        PdfDocument doc;
        doc.pages = {kInvoice};
        doc.pageSetup[0] = test.setup;
        const QString path = write(QString::fromUtf8(test.name), doc);
        PageView view(*pool);
        view.resize(test.viewSize);
        view.show();
        ASSERT_TRUE(shown(view, path));
        EXPECT_TRUE(view.message().isEmpty());
        // The worker's picture at its usual size, its proportions those of the part shown.
        const QSize picture = view.picture().size();
        EXPECT_GE(std::max(picture.width(), picture.height()), 400);
        EXPECT_NEAR(double(picture.width()) / picture.height(),
                    view.pageArea().width() / view.pageArea().height(), 0.01);
        // It is painted, scaled to fit, where the view says it stands (the page is white, the
        // room beside it is not), which is where the view takes a drag to lie.
        const QRect painted = whiteArea(view.grab().toImage());
        const QRectF drawn = view.pictureArea();
        EXPECT_TRUE(QRectF(view.rect()).contains(drawn));
        EXPECT_TRUE(std::abs(drawn.width() - view.width()) < 1 ||
                    std::abs(drawn.height() - view.height()) < 1);
        for (const auto [edge, expected] : {std::pair{painted.left(), drawn.left()},
                                            {painted.right() + 1, drawn.right()},
                                            {painted.top(), drawn.top()},
                                            {painted.bottom() + 1, drawn.bottom()}})
            EXPECT_NEAR(edge, expected, 1.5);

        const TemplateDocument words =
            document(path, parseTemplate(QStringLiteral("{zone 1 0 0 900 900}")).parsed);
        const WordBox word = words.pageWords.value(0).words.value(2);
        ASSERT_EQ(word.text, QStringLiteral("AF-7731"));

        // From points to the view, rounded outwards, with a point of room round the word.
        const QRectF area = view.pageArea();
        const auto at = [&](double x, double y, auto round) {
            return QPoint(
                int(round(drawn.left() + (x - area.left()) * drawn.width() / area.width())),
                int(round(drawn.top() + (y - area.top()) * drawn.height() / area.height())));
        };
        QSignalSpy chosen(&view, &PageView::zoneChosen);
        const QPoint from =
            at(word.xMin - 1, word.yMin - 1, [](double v) { return std::floor(v); });
        const QPoint to = at(word.xMax + 1, word.yMax + 1, [](double v) { return std::ceil(v); });
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        EXPECT_TRUE(view.findChild<QRubberBand*>()->isVisible());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        EXPECT_FALSE(view.findChild<QRubberBand*>()->isVisible());
        ASSERT_EQ(chosen.size(), 1);
        const QString field = chosen.first().first().toString();
        const TemplateParse read = parseTemplate(field);
        ASSERT_TRUE(read.ok()) << field.toStdString();
        const ZoneRect zone = read.parsed.parts.value(0).field.alternatives.value(0).zone;
        EXPECT_TRUE(
            QRectF(zone.x, zone.y, zone.width, zone.height)
                .contains(QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax))))
            << field.toStdString();
        EXPECT_EQ(named(path, read.parsed), QStringLiteral("AF-7731")) << field.toStdString();

        // A click, and a drag over the empty room beside the picture, choose nothing.
        QTest::mouseClick(&view, Qt::LeftButton, {}, from);
        if (drawn.left() >= 10)
            drag(view, {1, 1}, {int(drawn.left()) - 1, view.height() - 1});
        if (drawn.top() >= 10)
            drag(view, {1, 1}, {view.width() - 1, int(drawn.top()) - 1});
        EXPECT_EQ(chosen.size(), 1);
    }
}

// A file that cannot be drawn shows the text instead, and nothing dragged over it counts.
TEST_F(PageViewTest, AFileThatCannotBeDrawnShowsWhyAndChoosesNothing) {
    QFile text(dir.filePath(QStringLiteral("notes.pdf")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some notes, not a PDF\n");
    text.close();
    for (const QString& path : {text.fileName(), dir.filePath(QStringLiteral("missing.pdf"))}) {
        PageView view(*pool);
        view.resize(300, 400);
        view.show();
        QSignalSpy chosen(&view, &PageView::zoneChosen);
        EXPECT_FALSE(shown(view, path));
        EXPECT_EQ(view.message(), QStringLiteral("No page to show"));
        EXPECT_EQ(view.accessibleName(), QStringLiteral("Page view"));
        EXPECT_EQ(view.accessibleDescription(), view.message());
        EXPECT_TRUE(view.picture().isNull());
        drag(view, {5, 5}, {295, 395});
        EXPECT_TRUE(chosen.isEmpty());
    }
}

// Only the file asked for last is shown: an answer still to come for another, or for a view that
// was cleared, is thrown away, and a view that outlives its pool neither waits nor calls it.
TEST_F(PageViewTest, OnlyTheLastFileAskedForIsShown) {
    const QString good = write(QStringLiteral("good.pdf"), pdfOfPages({kInvoice.first()}));
    const QString bad = dir.filePath(QStringLiteral("missing.pdf"));
    PageView view(*pool);
    view.show();
    QSignalSpy answered(&view, &PageView::pageAnswered);
    view.showPage(good);
    EXPECT_EQ(view.message(), QStringLiteral("Drawing the page…"));
    EXPECT_FALSE(shown(view, bad));
    view.showPage(good);
    view.clear();
    // With one worker, this answer comes after those of the requests sent before it.
    extractNow(*pool, waiter, ExtractRequest::pageImage(good));
    QCoreApplication::processEvents();
    EXPECT_EQ(answered.size(), 1);
    EXPECT_TRUE(view.picture().isNull());
    EXPECT_TRUE(view.message().isEmpty());

    view.showPage(good);
    pool.reset();
    EXPECT_EQ(view.message(), QStringLiteral("No page to show"));
    EXPECT_FALSE(shown(view, good));
}
