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

} // namespace corvander
