#include "naming/template/zone_selection.h"

#include "naming/template/template_printer.h"

#include <algorithm>
#include <cmath>

namespace corvander {

namespace {

// A drawn edge that the conversion puts a hair past a whole point stays on that point.
constexpr double kTolerance = 1e-6;

} // namespace

QRectF pagePointsUnder(const QRectF& chosen, const QRectF& drawn, const QRectF& shown) {
    const QRectF onPicture = chosen.normalized() & drawn;
    if (onPicture.isEmpty() || drawn.isEmpty())
        return {};
    const double xScale = shown.width() / drawn.width();
    const double yScale = shown.height() / drawn.height();
    return {shown.left() + (onPicture.left() - drawn.left()) * xScale,
            shown.top() + (onPicture.top() - drawn.top()) * yScale, onPicture.width() * xScale,
            onPicture.height() * yScale};
}

QString zoneFieldFor(int page, const QRectF& points) {
    const QRectF area = points.normalized();
    const double left = std::max(0.0, std::floor(area.left() + kTolerance));
    const double top = std::max(0.0, std::floor(area.top() + kTolerance));
    const double right = std::max(left + 1, std::ceil(area.right() - kTolerance));
    const double bottom = std::max(top + 1, std::ceil(area.bottom() - kTolerance));
    Alternative zone;
    zone.kind = FieldKind::Zone;
    zone.page = PageRef{page};
    zone.zone = {left, top, right - left, bottom - top};
    TemplateField field;
    field.alternatives = {zone};
    return printField(field);
}

} // namespace corvander
