#pragma once

#include "app/window_layout.h"

#include <QWidget>
#include <algorithm>
#include <vector>

namespace corvander {

// One area of the window as it was drawn, gathered while its controls are made: each control's
// place in its container and how it follows a wider window. The panels that stand in the area
// place their own controls in it.
class DrawnArea {
public:
    // The area was drawn in twips; at 96 dpi a pixel is 15 of them.
    static constexpr int twips(int value) { return (value + 7) / 15; }

    DrawnArea(int widthTwips, int heightTwips)
        : m_drawnSize(twips(widthTwips), twips(heightTwips)) {}

    // Makes a control in its container, named and where it was drawn (in twips). A container that
    // is not a control of this area is the area itself.
    template <typename Widget>
    Widget* place(QWidget* container, const char* name, int left, int top, int width, int height,
                  Across across = Across::Keep) {
        auto* widget = new Widget(container);
        adopt(widget, name, left, top, width, height, across);
        return widget;
    }

    // The same for a control already made in its container, for controls that need more than
    // their container to be made.
    void adopt(QWidget* widget, const char* name, int left, int top, int width, int height,
               Across across = Across::Keep) {
        QWidget* container = widget->parentWidget();
        widget->setObjectName(QString::fromLatin1(name));
        const QRect drawn(twips(left), twips(top), twips(width), twips(height));
        widget->setGeometry(drawn);
        const auto holder = std::find(m_widgets.begin(), m_widgets.end(), container);
        m_items.push_back(
            {drawn, across, holder == m_widgets.end() ? -1 : int(holder - m_widgets.begin())});
        m_widgets.push_back(widget);
    }

    // The control that takes the height a taller window adds and gives height first in a lower
    // one, down to floor pixels. Every area has one.
    void setGrowing(const QWidget* widget, int floor) {
        m_growing = int(std::find(m_widgets.begin(), m_widgets.end(), widget) - m_widgets.begin());
        m_growingFloor = floor;
    }

    QSize drawnSize() const { return m_drawnSize; }
    WindowLayout layout() const { return {m_drawnSize, m_items, m_growing, m_growingFloor}; }
    // The controls in the order they were placed, which is the layout's order.
    const std::vector<QWidget*>& widgets() const { return m_widgets; }

private:
    QSize m_drawnSize;
    std::vector<QWidget*> m_widgets;
    std::vector<LayoutItem> m_items;
    int m_growing = -1;
    int m_growingFloor = 0;
};

} // namespace corvander
