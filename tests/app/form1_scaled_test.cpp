// At scale 2 a full-HD screen is 960 x 540 in the window's own pixels: the window must fit it
// whole, "Start Renaming" and the progress bar included.
#include "app/text_progress_bar.h"
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace corvander {

using ScaledWindow = WindowTest;

TEST_F(ScaledWindow, FitsAFullHdScreenAtScaleTwo) {
    Form1& form = load();
    const QScreen* screen = form.screen();
    ASSERT_DOUBLE_EQ(screen->devicePixelRatio(), 2.0);
    ASSERT_EQ(screen->geometry().size(), QSize(960, 540));
    // Room is left for a title bar.
    EXPECT_LE(form.minimumHeight() + 40, 540);
    EXPECT_LE(form.height() + 40, 540);
    EXPECT_EQ(form.width(), 536 + 280);

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (QWidget* control :
         {static_cast<QWidget*>(ui.PushButton2), static_cast<QWidget*>(ui.ProgressBar1)}) {
        const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_TRUE(screen->geometry().contains(onScreen)) << control->objectName().toStdString();
    }
}

// A screen with room beside the window: the size and place left at close are the next start's.
TEST_F(ScaledWindow, TheSizeAndPlaceLeftAtCloseAreTheNextStarts) {
    load();
    const QSize drawn = window->size();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setGeometry(QRect(QPoint(60, 30), drawn + QSize(80, 0)));
    QTest::qWait(10);
    const QRect left = window->geometry();
    ASSERT_EQ(left.size(), drawn + QSize(80, 0));
    window->close();
    EXPECT_EQ(terminated, 1);

    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), left.size());
    // Give or take the frame, which the test platform counts one way when it saves the place and
    // another when it places the window.
    EXPECT_NEAR(window->x(), left.x(), 2);
    EXPECT_NEAR(window->y(), left.y(), 2);
}

} // namespace corvander
