#include "naming/template/template_parser.h"
#include "naming/template/zone_selection.h"
#include "tests/naming/qt_printing.h"

#include <gtest/gtest.h>

namespace corvander {

// A rectangle dragged over a page's picture becomes the points it shows (cut to the picture), and
// the field's edges go out to whole points, stop at the page's corner and keep at least a point
// each way. Fields read back as zones.
TEST(ZoneSelection, ARectangleOnThePictureBecomesAZoneOfWholePoints) {
    const QRectF drawn(10, 20, 306, 396), letter(0, 0, 612, 792), cropped(36, 32, 328, 328);
    const struct {
        QRectF chosen, drawn, shown;
        const char* field; // nullptr: nothing chosen
    } cases[] = {
        {drawn, drawn, letter, "{zone 1 0 0 612 792}"},
        {{60, 70, 50, 25}, drawn, letter, "{zone 1 100 100 100 50}"},
        {{110, 95, -50, -25}, drawn, letter, "{zone 1 100 100 100 50}"},
        {{0, 0, 100, 100}, drawn, letter, "{zone 1 0 0 180 160}"},
        {{300, 400, 500, 500}, drawn, letter, "{zone 1 580 760 32 32}"},
        {{10, 10, 20, 20}, {0, 0, 164, 164}, cropped, "{zone 1 56 52 40 40}"},
        {{10.2, 10.3, 5.1, 2.55}, {0, 0, 612, 792}, letter, "{zone 1 10 10 6 3}"},
        // A conversion that lands a hair beside a whole point does not widen the zone.
        {{0, 0, 25, 25}, {0, 0, 50, 50}, {0, 0, 14, 14}, "{zone 1 0 0 7 7}"},
        {{50, 50, 0.01, 0.01}, {0, 0, 612, 792}, letter, "{zone 1 50 50 1 1}"},
        {{0, 0, 5, 500}, drawn, letter, nullptr},
        {{50, 50, 0, 40}, drawn, letter, nullptr},
    };
    for (const auto& test : cases) {
        const QRectF points = pagePointsUnder(test.chosen, test.drawn, test.shown);
        EXPECT_EQ(points.isEmpty(), test.field == nullptr);
        if (test.field == nullptr)
            continue;
        const QString field = zoneFieldFor(1, points);
        EXPECT_EQ(field, QString::fromUtf8(test.field));
        EXPECT_TRUE(parseTemplate(field).ok()) << test.field;
    }
    EXPECT_EQ(zoneFieldFor(3, {-3.5, -2, 10, 10}), QStringLiteral("{zone 3 0 0 7 8}"));
}

} // namespace corvander
