// The window's size and place, kept from one start to the next in WindowGeometry. The test
// screen is smaller than the drawn window; the scaled tests keep a place on a larger one.
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QScreen>
#include <QTest>

namespace corvander {

namespace {

using WindowGeometry = WindowTest;

QString geometryOf(const QRect& rect) {
    QWidget other;
    other.setGeometry(rect);
    return QString::fromLatin1(other.saveGeometry().toBase64());
}

TEST_F(WindowGeometry, IsSavedAtCloseOnlyForAWindowThatShowed) {
    load();
    window->Form_Unload();
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(settings.contains(QStringLiteral("WindowGeometry")))
        << "a window that was never shown has no place the user chose";

    load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->close();
    EXPECT_EQ(terminated, 2);
    const QByteArray saved =
        QByteArray::fromBase64(settings.get(QStringLiteral("WindowGeometry")).toLatin1());
    QWidget reader;
    EXPECT_TRUE(reader.restoreGeometry(saved)) << "what Qt itself reads back";
}

TEST_F(WindowGeometry, AStoredPlaceThatDoesNotFitThisScreenIsFittedToIt) {
    load();
    const QSize drawn = window->size();
    const QRect available = window->screen()->availableGeometry();

    settings.save(QStringLiteral("WindowGeometry"), QStringLiteral("not what Qt writes"));
    load();
    EXPECT_EQ(window->size(), drawn);
    EXPECT_TRUE(dialogs.warnings().isEmpty());

    // Smaller than the drawn size (left on another screen, or edited): never below it.
    settings.save(QStringLiteral("WindowGeometry"), geometryOf(QRect(10, 10, 200, 150)));
    load();
    EXPECT_EQ(window->size(), drawn.expandedTo(window->minimumSize()));

    // Left on a far larger screen, or at a smaller scale: within this one, title bar included.
    settings.save(QStringLiteral("WindowGeometry"), geometryOf(QRect(900, 700, 2400, 1900)));
    load();
    EXPECT_LE(window->height(), std::max(available.height() - 40, window->minimumHeight()));
    EXPECT_LE(window->width(), std::max(available.width(), window->minimumWidth()));
    EXPECT_LT(window->x(), available.right());
    EXPECT_LT(window->y(), available.bottom());
}

} // namespace

} // namespace corvander
