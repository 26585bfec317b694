// The window's size: the controls stand where they were drawn at the default size, follow a
// larger window, and squeeze on a screen too low for the drawn size.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "app/window_layout.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace {
// The screen's free area leaves out panels but not the window's own title bar.
constexpr int kTitleBarAllowance = 40;
// The path column never gets narrower than this while it follows the list.
constexpr int kNarrowestColumn = 60;
} // namespace

int Form1::menuBarHeight() const {
    return MenuBar->isNativeMenuBar() ? 0 : MenuBar->sizeHint().height();
}

QRect Form1::clientArea() const {
    const int top = menuBarHeight();
    return QRect(0, top, width(), height() - top);
}

void Form1::fitToScreen(const QRect& available) {
    const QSize drawn = m_layout->drawnSize();
    const int titleBar = std::max(kTitleBarAllowance, frameGeometry().height() - height());
    const int fitting = available.height() - titleBar - menuBarHeight();
    const int client = std::clamp(fitting, m_layout->compactHeight(), drawn.height());
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
    const int listWidth = ListView1->width();
    const std::vector<QRect> places = m_layout->arrange(client.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const bool onClient = m_laidOut[i]->parentWidget() == this;
        m_laidOut[i]->setGeometry(onClient ? places[i].translated(client.topLeft()) : places[i]);
    }
    // The path column grows and shrinks with the list, keeping wherever the user put its edge.
    const int grown = ListView1->width() - listWidth;
    if (grown != 0 && ListView1->columnCount() > 0)
        ListView1->setColumnWidth(0, std::max(kNarrowestColumn, ListView1->columnWidth(0) + grown));
}
