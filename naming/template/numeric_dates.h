#pragma once

#include "naming/template/dates.h"

#include <QRegularExpressionMatch>

namespace corvander {

// The date a match of the numeric forms of the date expression stands for, read with `order`
// (see DateOrder), or nothing when it gives no date: not in the calendar, or a year out of range.
std::optional<FoundDate> readNumericDate(const QString& text, const QRegularExpressionMatch& match,
                                         DateOrder order);

} // namespace corvander
