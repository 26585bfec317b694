// The window's size: the controls stand where they were drawn at the default size, follow a
// larger window, and squeeze on a screen too low for the drawn size.
#include "app/form1.h"
#include "app/window_areas.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace corvander {

namespace {
// The screen's free area leaves out panels but not the window's own title bar.
constexpr int kTitleBarAllowance = 40;
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

void Form1::arrangeControls() {
    const QRect client = clientArea();
    MenuBar->setGeometry(0, 0, width(), client.top());
    m_areas->arrange(this, client);
}

} // namespace corvander
