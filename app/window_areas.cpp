#include "app/window_areas.h"

#include "app/drawn_area.h"

#include <QWidget>
#include <algorithm>

namespace corvander {

void WindowAreas::add(const DrawnArea& area, bool widens) {
    if (widens)
        m_widening = m_areas.size();
    m_areas.push_back({area.layout(), area.widgets()});
}

QSize WindowAreas::drawnSize() const {
    QSize size(0, 0);
    for (const Area& area : m_areas) {
        size.rwidth() += area.layout.drawnSize().width();
        size.setHeight(std::max(size.height(), area.layout.drawnSize().height()));
    }
    return size;
}

int WindowAreas::compactHeight() const {
    int height = 0;
    for (const Area& area : m_areas)
        height = std::max(height, area.layout.compactHeight());
    return height;
}

void WindowAreas::arrange(const QWidget* window, const QRect& client) const {
    std::vector<int> widths;
    for (const Area& area : m_areas)
        widths.push_back(area.layout.drawnSize().width());
    const std::vector<QRect> areas = placeSideBySide(widths, m_widening, client.size());
    for (std::size_t a = 0; a < m_areas.size(); ++a) {
        const QPoint origin = client.topLeft() + areas[a].topLeft();
        const std::vector<QRect> places = m_areas[a].layout.arrange(areas[a].size());
        const std::vector<QWidget*>& widgets = m_areas[a].widgets;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const bool onClient = widgets[i]->parentWidget() == window;
            widgets[i]->setGeometry(onClient ? places[i].translated(origin) : places[i]);
        }
    }
}

} // namespace corvander
