#include "naming/template/numeric_dates.h"

#include "naming/template/date_pieces.h"

namespace corvander {

namespace {

bool isMonthNumber(int value) {
    return value >= 1 && value <= 12;
}

} // namespace

std::optional<FoundDate> readNumericDate(const QString& text, const QRegularExpressionMatch& match,
                                         DateOrder order) {
    const bool longYearFirst = match.hasCaptured(QStringView(u"ly"));
    DatePiece parts[3];
    const char16_t* const groups[2][3] = {{u"ly", u"lm", u"ld"}, {u"na", u"nb", u"nc"}};
    for (int i = 0; i < 3; ++i)
        parts[i] = capturedPiece(match, groups[longYearFirst ? 0 : 1][i]);
    int values[3];
    for (int i = 0; i < 3; ++i)
        values[i] = numberOf(text, parts[i]);

    // Which part is the year, and which two are the month and the day.
    int yearAt = 2;
    int monthAt = 0;
    int dayAt = 1;
    bool swappable = true;
    if (longYearFirst) {
        yearAt = 0, monthAt = 1, dayAt = 2;
        swappable = false;
    } else if (order == DateOrder::Ymd && parts[0].length == 2 && parts[2].length == 2) {
        yearAt = 0, monthAt = 1, dayAt = 2;
    } else if (order == DateOrder::Dmy) {
        monthAt = 1, dayAt = 0;
    }
    const int year = yearOf(values[yearAt], parts[yearAt].length);
    QDate date = calendarDate(year, values[monthAt], values[dayAt]);
    if (!date.isValid() && swappable) {
        // The order decides only where both readings are dates: 13.03.2024 is 13 March under mdy.
        std::swap(monthAt, dayAt);
        date = calendarDate(year, values[monthAt], values[dayAt]);
    }
    if (!date.isValid())
        return std::nullopt;

    parts[yearAt].spec = yearSpec(parts[yearAt].length);
    parts[monthAt].spec = parts[monthAt].length == 2 ? QStringLiteral("%m") : QString();
    parts[dayAt].spec = parts[dayAt].length == 2 ? QStringLiteral("%d") : QString();
    FoundDate found;
    found.date = date;
    found.start = match.capturedStart();
    found.length = match.capturedLength();
    found.format = formatOfPieces(text, found.start, found.start + found.length, parts);
    found.ambiguous = swappable && isMonthNumber(values[monthAt]) && isMonthNumber(values[dayAt]) &&
                      values[monthAt] != values[dayAt];
    return found;
}

} // namespace corvander
