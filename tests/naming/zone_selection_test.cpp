#include "naming/template/template_parser.h"
#include "naming/template/zone_selection.h"
#include "tests/naming/qt_printing.h"

#include <gtest/gtest.h>

using namespace corvander;

// A rectangle dragged over a page's picture becomes page points, whether the picture stands
// somewhere inside a view at its own scale or shows only a part of the page.
TEST(ZoneSelection, ARectangleOnThePictureBecomesThePointsItShows) {
    const QRectF letter(0, 0, 612, 792);
    const QRectF cropped(36, 32, 328, 328); // a crop box whose corner is not the page's
    const struct {
        QRectF chosen, drawn, shown, expected;
    } cases[] = {
        {{10, 20, 306, 396}, {10, 20, 306, 396}, letter, letter},
        {{60, 70, 50, 25}, {10, 20, 306, 396}, letter, {100, 100, 100, 50}},
        // Corners given the other way round.
        {{110, 95, -50, -25}, {10, 20, 306, 396}, letter, {100, 100, 100, 50}},
        // What lies outside the picture is left out.
        {{0, 0, 100, 100}, {10, 20, 306, 396}, letter, {0, 0, 180, 160}},
        {{300, 400, 500, 500}, {10, 20, 306, 396}, letter, {580, 760, 32, 32}},
        {{10, 10, 20, 20}, {0, 0, 164, 164}, cropped, {56, 52, 40, 40}},
        {{0, 0, 5, 500}, {10, 20, 306, 396}, letter, {}},
        {{50, 50, 0, 40}, {10, 20, 306, 396}, letter, {}},
    };
    for (const auto& test : cases) {
        const QRectF points = pagePointsUnder(test.chosen, test.drawn, test.shown);
        EXPECT_EQ(points.isEmpty(), test.expected.isEmpty());
        if (!test.expected.isEmpty()) {
            EXPECT_NEAR(points.left(), test.expected.left(), 1e-9);
            EXPECT_NEAR(points.top(), test.expected.top(), 1e-9);
            EXPECT_NEAR(points.width(), test.expected.width(), 1e-9);
            EXPECT_NEAR(points.height(), test.expected.height(), 1e-9);
        }
    }
}

// The field's edges go out to whole points so that what was chosen stays inside, stop at the
// page's corner, keep at least one point each way, and read back as the same zone.
TEST(ZoneSelection, TheFieldHoldsTheChosenRectangleInWholePoints) {
    const struct {
        int page;
        QRectF points;
        const char* field;
    } cases[] = {
        {1, {72, 90, 144, 20}, "{zone 1 72 90 144 20}"},
        {1, {72.4, 90.6, 10.2, 5.1}, "{zone 1 72 90 11 6}"},
        {1, {72.6, 90.4, 10.2, 5.1}, "{zone 1 72 90 11 6}"},
        // A conversion that lands a hair beside a whole point does not widen the zone.
        {1, {71.9999999, 90.0000001, 10, 10}, "{zone 1 72 90 10 10}"},
        {1, {100.2, 100.2, 0.1, 0}, "{zone 1 100 100 1 1}"},
        {1, {100, 100, 0, 0}, "{zone 1 100 100 1 1}"},
        {1, {-3.5, -2, 10, 10}, "{zone 1 0 0 7 8}"},
        {1, {300, 700, -100, -50}, "{zone 1 200 650 100 50}"},
        {3, {0, 0, 612, 792}, "{zone 3 0 0 612 792}"},
    };
    for (const auto& test : cases) {
        const QString field = zoneFieldFor(test.page, test.points);
        EXPECT_EQ(field, QString::fromUtf8(test.field));
        const TemplateParse read = parseTemplate(field);
        ASSERT_TRUE(read.ok()) << test.field;
        const Alternative zone = read.parsed.parts.value(0).field.alternatives.value(0);
        EXPECT_EQ(zone.kind, FieldKind::Zone);
        EXPECT_EQ(zone.page, PageRef{test.page});
    }
}
