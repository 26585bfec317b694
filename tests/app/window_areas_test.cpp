// Areas of the window side by side: the drawn one on the left and, later, panels beside it.
#include "app/drawn_area.h"
#include "app/window_areas.h"
#include "tests/support/qt_printers.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace corvander {

namespace {

// Twips of whole pixels, so that the drawn places read as pixels.
constexpr int px(int pixels) {
    return pixels * 15;
}

// A left area of 100 x 200 pixels with a growing list and a frame holding one control that keeps
// to the frame's right edge, and a right area of 60 x 200 with one growing control.
struct TwoAreas {
    QWidget window;
    QWidget* list = nullptr;
    QWidget* frame = nullptr;
    QWidget* inner = nullptr;
    QWidget* side = nullptr;
    DrawnArea left{px(100), px(200)};
    DrawnArea right{px(60), px(200)};

    TwoAreas() {
        list =
            left.place<QWidget>(&window, "list", px(10), px(10), px(80), px(100), Across::Stretch);
        left.setGrowing(list, 20);
        frame =
            left.place<QWidget>(&window, "frame", px(10), px(120), px(80), px(60), Across::Stretch);
        inner =
            left.place<QWidget>(frame, "inner", px(5), px(20), px(30), px(20), Across::FollowRight);
        side =
            right.place<QWidget>(&window, "side", px(5), px(5), px(50), px(180), Across::Stretch);
        right.setGrowing(side, 20);
    }
};

} // namespace

TEST(WindowAreas, OneAreaHasItsDrawnSize) {
    TwoAreas drawn;
    WindowAreas areas;
    areas.add(drawn.left);
    EXPECT_EQ(areas.drawnSize(), QSize(100, 200));
    EXPECT_EQ(areas.compactHeight(), drawn.left.layout().compactHeight());
}

TEST(WindowAreas, SideBySideTheWidthsAddUpAndTheTallestHeightCounts) {
    TwoAreas drawn;
    DrawnArea low(px(40), px(150));
    low.setGrowing(low.place<QWidget>(&drawn.window, "low", 0, 0, px(40), px(150)), 20);
    WindowAreas areas;
    areas.add(drawn.left);
    areas.add(drawn.right);
    areas.add(low);
    EXPECT_EQ(areas.drawnSize(), QSize(200, 200));
    EXPECT_EQ(areas.compactHeight(),
              std::max({drawn.left.layout().compactHeight(), drawn.right.layout().compactHeight(),
                        low.layout().compactHeight()}));
}

// The client area starts below a menu bar 19 pixels high. Controls on the window move with their
// area; a control inside a frame stays where it is in the frame.
TEST(WindowAreas, EachAreaIsLaidOutInItsOwnPlace) {
    struct Case {
        const char* name;
        bool rightWidens;
        QSize client;
        QRect list, frame, inner, side;
    };
    const Case cases[] = {
        {"drawn size",
         false,
         {160, 200},
         {10, 29, 80, 100},
         {10, 139, 80, 60},
         {5, 20, 30, 20},
         {105, 24, 50, 180}},
        {"wider, the left one widens",
         false,
         {200, 200},
         {10, 29, 120, 100},
         {10, 139, 120, 60},
         {45, 20, 30, 20},
         {145, 24, 50, 180}},
        {"wider, the right one widens",
         true,
         {200, 200},
         {10, 29, 80, 100},
         {10, 139, 80, 60},
         {5, 20, 30, 20},
         {105, 24, 90, 180}},
        {"taller",
         false,
         {160, 240},
         {10, 29, 80, 140},
         {10, 179, 80, 60},
         {5, 20, 30, 20},
         {105, 24, 50, 220}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoAreas drawn;
        WindowAreas areas;
        areas.add(drawn.left);
        areas.add(drawn.right, c.rightWidens);
        areas.arrange(&drawn.window, QRect(QPoint(0, 19), c.client));
        EXPECT_EQ(drawn.list->geometry(), c.list);
        EXPECT_EQ(drawn.frame->geometry(), c.frame);
        EXPECT_EQ(drawn.inner->geometry(), c.inner);
        EXPECT_EQ(drawn.side->geometry(), c.side);
    }
}

} // namespace corvander
