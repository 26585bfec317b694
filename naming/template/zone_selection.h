#pragma once

#include <QRectF>
#include <QString>

namespace corvander {

// A rectangle chosen on a picture of a page, as page points: `drawn` is where the picture stands
// (in the unit of `chosen`: widget pixels or picture pixels) and `shown` the part of the page it
// shows, in points from the page's top-left corner as word boxes give them. What lies outside
// the picture is left out; an empty rectangle when nothing of `chosen` lies on it.
QRectF pagePointsUnder(const QRectF& chosen, const QRectF& drawn, const QRectF& shown);

// The zone field that reads what lies in `points` on page `page`, "{zone 1 72 90 144 20}". Its
// edges go out to the next whole points, so that a word chosen tightly stays inside, never before
// the page's corner, and it is at least 1 point wide and high.
QString zoneFieldFor(int page, const QRectF& points);

} // namespace corvander
