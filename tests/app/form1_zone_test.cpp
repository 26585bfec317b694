// The page view of the template panel in the window: the selected entry's first page, and a
// rectangle dragged over it that becomes a zone field at the template box's cursor.
#include "app/page_view.h"
#include "extract/waiting_progress.h"
#include "naming/template/template_extraction.h"
#include "naming/template/template_parser.h"
#include "tests/app/template_window_fixture.h"

namespace corvander {

namespace {

class TemplateZone : public TemplateWindow {
protected:
    // Where the page view shows a point of the page, given in the points of word boxes.
    static QPoint shownAt(const PageView& page, double x, double y) {
        const QRectF drawn = page.pictureArea(), area = page.pageArea();
        return QPoint(int(drawn.left() + (x - area.left()) * drawn.width() / area.width()),
                      int(drawn.top() + (y - area.top()) * drawn.height() / area.height()));
    }

    // The words of the file's first page with their boxes, as the worker gives them.
    QList<WordBox> wordsOf(const QString& path) {
        const Template whole = parseTemplate(QStringLiteral("{zone 1 0 0 900 900}")).parsed;
        const TemplateNeeds needs = templateNeeds({whole});
        const TemplateDocument document = templateDocument(
            path, needs,
            extractNow(window->extractionPool(), window->waiter(), templateRequest(path, needs)));
        return document.pageWords.value(0).words;
    }

    static void drag(PageView& page, QPoint from, QPoint to) {
        QTest::mousePress(&page, Qt::LeftButton, {}, from);
        QTest::mouseMove(&page, to);
        QTest::mouseRelease(&page, Qt::LeftButton, {}, to);
    }

    void select(int row) { ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(row)); }
};

TEST_F(TemplateZone, ARectangleDraggedOverTheSelectedPageBecomesAZoneTheNamesThenRead) {
    const QString invoice =
        addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Invoice No.: AF-7731 dated today")});
    const QString other = addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Nothing here")});
    showWindow();
    auto* page = window->findChild<PageView*>(QStringLiteral("PageView"));
    ASSERT_NE(page, nullptr);
    // In the template panel, under its buttons, wholly in the window and big enough to aim at.
    EXPECT_EQ(page->accessibleName(), QStringLiteral("Page view"));
    EXPECT_TRUE(window->rect().contains(page->geometry()));
    EXPECT_GT(page->geometry().top(), ui.PushButton21->geometry().bottom());
    EXPECT_EQ(page->geometry().left(), ui.Text3->geometry().left());
    EXPECT_GE(page->height(), 200);
    EXPECT_TRUE(page->path().isEmpty()) << "nothing is selected";

    ui.Option3->click();
    ui.Text3->setPlainText(QStringLiteral("Invoice  paid"));
    QTextCursor cursor = ui.Text3->textCursor();
    cursor.setPosition(8);
    ui.Text3->setTextCursor(cursor);
    select(0);
    EXPECT_EQ(page->path(), invoice);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->picture().isNull(); }, 60000))
        << page->message().toStdString();

    const QList<WordBox> words = wordsOf(invoice);
    ASSERT_EQ(words.value(2).text, QStringLiteral("AF-7731"));
    const WordBox& word = words.at(2);
    drag(*page, shownAt(*page, word.xMin - 1, word.yMin - 1),
         shownAt(*page, word.xMax + 1, word.yMax + 1) + QPoint(1, 1));
    const QString text = ui.Text3->toPlainText();
    ASSERT_TRUE(text.startsWith(QStringLiteral("Invoice {zone 1 ")) &&
                text.endsWith(QStringLiteral("} paid")))
        << text.toStdString();
    EXPECT_TRUE(ui.Label2->text().isEmpty()) << ui.Label2->text().toStdString();
    EXPECT_TRUE(ui.Text3->hasFocus()) << "the user goes on typing where the zone went";
    EXPECT_EQ(nameOnceShown(0, QStringLiteral("Invoice AF-7731 paid.pdf")),
              QStringLiteral("Invoice AF-7731 paid.pdf"));
    const QString zone = text.mid(8, text.size() - 8 - 5);
    const QString skipped = QStringLiteral("(skipped: no value for %1)").arg(zone);
    EXPECT_EQ(nameOnceShown(1, skipped), skipped) << "no word of b.pdf stands there";

    // The page follows the selection, and a drag with no page shown inserts nothing.
    select(1);
    EXPECT_EQ(page->path(), other);
    ui.ListView1->clearSelection();
    EXPECT_TRUE(page->path().isEmpty());
    EXPECT_TRUE(page->picture().isNull());
    drag(*page, {5, 5}, {page->width() - 5, page->height() - 5});
    EXPECT_EQ(ui.Text3->toPlainText(), text);
    // An entry taken out takes its page with it.
    select(0);
    ui.PushButton3->click();
    EXPECT_TRUE(page->path().isEmpty());
}

} // namespace

} // namespace corvander
