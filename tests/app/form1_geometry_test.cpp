// The window's size and place, kept from one start to the next.
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QTest>

namespace corvander {

namespace {

using WindowGeometry = WindowTest;

TEST_F(WindowGeometry, TheSizeAndPlaceLeftAtCloseAreTheNextStarts) {
    load();
    const QSize drawn = window->size();
    EXPECT_EQ(drawn, window->minimumSize()) << "without the key, the drawn size";
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Within the test screen, so that nothing has to be moved back onto it.
    const QRect chosen(QPoint(40, 0), drawn + QSize(100, 0));
    window->setGeometry(chosen);
    QTest::qWait(10);
    const QRect left = window->geometry();
    ASSERT_EQ(left.size(), chosen.size());
    window->close();
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(settings.get(QStringLiteral("WindowGeometry")).isEmpty());

    // Where the window stands once it shows: before, Qt knows no frame to place it by. The test
    // screen is lower than the drawn window, so the platform has the last word on the top edge
    // and the height; the width and the left edge are the user's.
    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Give or take the frame, which the test platform counts in one way when it saves and in
    // another when it places.
    EXPECT_NEAR(window->x(), left.x(), 4);
    EXPECT_EQ(window->width(), left.width());
    EXPECT_NE(window->width(), drawn.width());
}

TEST_F(WindowGeometry, AWindowNeverShownOrAnUnreadableKeyLeavesTheDrawnSize) {
    load();
    const QSize drawn = window->size();
    window->Form_Unload();
    EXPECT_FALSE(settings.contains(QStringLiteral("WindowGeometry")))
        << "a window that was never shown has no place the user chose";

    settings.save(QStringLiteral("WindowGeometry"), QStringLiteral("not what Qt writes"));
    load();
    EXPECT_EQ(window->size(), drawn);
    EXPECT_TRUE(dialogs.warnings().isEmpty());

    // Smaller than the drawn size (saved by another screen, or edited): never below it.
    Form1& first = *window;
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    const QByteArray small = [&] {
        QWidget other;
        other.setGeometry(10, 10, 200, 150);
        return other.saveGeometry().toBase64();
    }();
    settings.save(QStringLiteral("WindowGeometry"), QString::fromLatin1(small));
    load();
    EXPECT_GE(window->width(), drawn.width());
    EXPECT_GE(window->height(), drawn.height());
}

} // namespace

} // namespace corvander
