// The window's size: the controls stand where they were drawn at the default size, follow a
// larger window, and squeeze on a screen too low for the drawn size.
#include "app/form1.h"
#include "app/window_areas.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace corvander {

namespace {
// The screen's free area leaves out panels but not the window's own title bar.
constexpr int kTitleBarAllowance = 40;
// The settings key of the window's size and place, as Qt writes them, in Base64.
constexpr char kGeometryKey[] = "WindowGeometry";
} // namespace

int Form1::menuBarHeight() const {
    return MenuBar->isNativeMenuBar() ? 0 : MenuBar->sizeHint().height();
}

QRect Form1::clientArea() const {
    const int top = menuBarHeight();
    return QRect(0, top, width(), height() - top);
}

void Form1::fitToScreen(const QRect& available) {
    const QSize drawn = m_areas->drawnSize();
    const int titleBar = std::max(kTitleBarAllowance, frameGeometry().height() - height());
    const int fitting = available.height() - titleBar - menuBarHeight();
    const int client = std::clamp(fitting, m_areas->compactHeight(), drawn.height());
    setMinimumSize(drawn.width(), menuBarHeight() + client);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeControls();
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_followsScreen || !windowHandle())
        return;
    m_followsScreen = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
        if (screen)
            fitToScreen(screen->availableGeometry());
    });
}

// The size and place the user left the window in, from the last close; without it (or with one
// that does not read), the drawn size that the constructor gave. Qt puts a restored window on a
// screen that is there now; a maximised one fills it.
void Form1::restoreWindowGeometry() {
    const QString stored = m_settings.get(QString::fromLatin1(kGeometryKey));
    if (stored.isEmpty())
        return;
    if (!restoreGeometry(QByteArray::fromBase64(stored.toLatin1())) || isMaximized() ||
        isFullScreen())
        return;
    // Left on a larger screen, or at a smaller scale: the window still fits this screen, with
    // room for its title bar, and no smaller than its least size.
    const QScreen* here = QGuiApplication::screenAt(geometry().center());
    const QRect available = (here ? here : screen())->availableGeometry();
    const QSize room(available.width(), available.height() - kTitleBarAllowance);
    const QSize fitting = size().boundedTo(room).expandedTo(minimumSize());
    if (fitting != size())
        resize(fitting);
    // And it stands on it, its title bar within reach.
    move(
        std::clamp(x(), available.left(), std::max(available.left(), available.right() - width())),
        std::clamp(y(), available.top(), std::max(available.top(), available.bottom() - height())));
}

// Only a window that was shown has a size and place the user chose.
void Form1::saveWindowGeometry() {
    if (!isVisible())
        return;
    m_settings.save(QString::fromLatin1(kGeometryKey),
                    QString::fromLatin1(saveGeometry().toBase64()));
}

void Form1::arrangeControls() {
    const QRect client = clientArea();
    MenuBar->setGeometry(0, 0, width(), client.top());
    m_areas->arrange(this, client);
}

} // namespace corvander
