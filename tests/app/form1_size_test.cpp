// The window's size: the drawn layout followed by a larger window, squeezed on a low screen.
#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace corvander {

namespace {

struct Place {
    const char* name;
    QRect geometry; // from the top-left corner of the container's client area
};

QRect placeOf(Form1& form, const char* name) {
    auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        return {};
    return widget->parentWidget() == &form
               ? widget->geometry().translated(-form.clientArea().topLeft())
               : widget->geometry();
}

// A hidden window takes its new size only when shown, so the window shows first.
void resizeClient(Form1& form, QSize client) {
    if (!form.isVisible()) {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    form.resize(client.width(), client.height() + form.clientArea().top());
}

// Every control stays inside its container, and no two controls of one container overlap.
void expectNothingOverlaps(Form1& form) {
    QList<QWidget*> containers{&form};
    for (QGroupBox* frame : form.findChildren<QGroupBox*>())
        containers << frame;
    for (QWidget* container : containers) {
        const QRect inside =
            container == &form ? form.clientArea() : QRect(QPoint(0, 0), container->size());
        QList<QWidget*> controls;
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->objectName().isEmpty() || child == Form1Controls(form).MenuBar)
                continue;
            controls << child;
            EXPECT_TRUE(inside.contains(child->geometry())) << child->objectName().toStdString();
        }
        for (int a = 0; a < controls.size(); ++a)
            for (int b = a + 1; b < controls.size(); ++b)
                EXPECT_FALSE(controls[a]->geometry().intersects(controls[b]->geometry()))
                    << controls[a]->objectName().toStdString() << " and "
                    << controls[b]->objectName().toStdString();
    }
}

} // namespace

using WindowSize = WindowTest;

TEST_F(WindowSize, LargerWindowGrowsTheListAndStretchesTheRowsAcross) {
    Form1& form = load();
    resizeClient(form, QSize(816 + 100, 577 + 200));
    // One of each way of following the window: growing, stretching, halves, moving right.
    const Place grown[] = {
        {"ListView1", {8, 42, 620, 321}},    {"PushButton7", {8, 8, 620, 27}},
        {"PushButton3", {8, 403, 306, 27}},  {"PushButton6", {322, 403, 306, 27}},
        {"Frame1", {8, 485, 620, 159}},      {"Text2", {32, 90, 526, 23}},
        {"PushButton9", {564, 88, 40, 23}},  {"PushButton14", {440, 120, 64, 27}},
        {"ProgressBar1", {8, 743, 620, 27}},
    };
    for (const Place& place : grown) {
        SCOPED_TRACE(place.name);
        EXPECT_EQ(placeOf(form, place.name), place.geometry);
    }
    // The path column follows the list's width.
    EXPECT_EQ(ui.ListView1->columnWidth(0), 467 + 100);
    resizeClient(form, QSize(816, 577));
    EXPECT_EQ(ui.ListView1->columnWidth(0), 467);
    EXPECT_EQ(placeOf(form, "ListView1"), QRect(8, 42, 520, 121));
}

TEST_F(WindowSize, LowerWindowTakesHeightFromTheListFirst) {
    Form1& form = load();
    // Only a screen lower than the drawn window lets it be lower.
    form.fitToScreen(QRect(0, 0, 960, 500));
    resizeClient(form, QSize(816, 577 - 50));
    EXPECT_EQ(placeOf(form, "PushButton7"), QRect(8, 8, 520, 27));
    EXPECT_EQ(placeOf(form, "ListView1"), QRect(8, 42, 520, 71));
    EXPECT_EQ(placeOf(form, "Frame1"), QRect(8, 285 - 50, 520, 159));
    EXPECT_EQ(placeOf(form, "PushButton2"), QRect(8, 508 - 50, 520, 27));
    EXPECT_EQ(placeOf(form, "ProgressBar1"), QRect(8, 543 - 50, 520, 27));
    EXPECT_EQ(placeOf(form, "Text2"), QRect(32, 90, 426, 23));
    expectNothingOverlaps(form);
}

TEST_F(WindowSize, LowScreenSqueezesTheListThenTheGapsAndEverythingStillShows) {
    Form1& form = load();
    // Where the screen has room, the least size is the drawn size.
    form.fitToScreen(QRect(0, 0, 1024, 768));
    EXPECT_EQ(form.minimumSize(), QSize(816, 577 + form.clientArea().top()));
    // A full-HD screen at scale 2 offers 960 x 540, less a panel.
    const QRect screen(0, 0, 960, 540 - 27);
    form.fitToScreen(screen);
    const int least = form.minimumHeight();
    EXPECT_LE(least + 40, screen.height());
    EXPECT_EQ(form.minimumWidth(), 816);
    resizeClient(form, form.minimumSize() - QSize(0, form.clientArea().top()));
    expectNothingOverlaps(form);
    // The list gave all it could before anything else did, and still shows a few entries.
    const QRect list = placeOf(form, "ListView1");
    EXPECT_GE(list.height(), 60);
    EXPECT_LT(list.height(), 121 - 40);
    // Controls keep their drawn heights; the last one stays on the window.
    EXPECT_EQ(placeOf(form, "PushButton2").height(), 27);
    EXPECT_EQ(placeOf(form, "Combo1").height(), 23);
    EXPECT_LE(ui.ProgressBar1->geometry().bottom(), form.height() - 1);
    // A screen too low even for the squeezed window leaves the least it can be.
    form.fitToScreen(QRect(0, 0, 960, 300));
    EXPECT_LT(form.minimumHeight(), least);
    resizeClient(form, form.minimumSize() - QSize(0, form.clientArea().top()));
    expectNothingOverlaps(form);
}

} // namespace corvander
