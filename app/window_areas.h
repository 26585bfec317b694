#pragma once

#include "app/window_layout.h"

#include <QRect>
#include <vector>

class QWidget;

namespace corvander {

class DrawnArea;

// The window's client area as areas side by side, left to right: the one drawn with the window
// first, any other beside it. Each is laid out as it was drawn; see placeSideBySide for how they
// share the client area.
class WindowAreas {
public:
    // The area's controls are placed from now on; one area (the first, unless another says so)
    // takes the extra width of a wider window.
    void add(const DrawnArea& area, bool widens = false);

    // The areas' drawn widths added up, and the tallest drawn height.
    QSize drawnSize() const;
    // The lowest client height at which no area is squeezed beyond its minimum.
    int compactHeight() const;
    // Puts every control in its place for the client area, given in the window's coordinates.
    void arrange(const QWidget* window, const QRect& client) const;

private:
    struct Area {
        WindowLayout layout;
        std::vector<QWidget*> widgets;
    };

    std::vector<Area> m_areas;
    std::size_t m_widening = 0;
};

} // namespace corvander
