#include "naming/template/dates.h"

namespace corvander {

namespace {

struct OrderName {
    DateOrder order;
    QLatin1StringView text;
};

constexpr OrderName kOrderNames[] = {
    {DateOrder::Dmy, QLatin1StringView("dmy")},
    {DateOrder::Mdy, QLatin1StringView("mdy")},
    {DateOrder::Ymd, QLatin1StringView("ymd")},
};

} // namespace

std::optional<DateOrder> dateOrderFromText(QStringView text) {
    for (const OrderName& name : kOrderNames) {
        if (text == name.text)
            return name.order;
    }
    return std::nullopt;
}

QString dateOrderText(DateOrder order) {
    for (const OrderName& name : kOrderNames) {
        if (name.order == order)
            return name.text;
    }
    return {};
}

DateOrder defaultDateOrder(const QLocale& locale) {
    // The first of d, M and y that the short format writes, outside its quoted literal text.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    bool quoted = false;
    qsizetype day = -1;
    qsizetype month = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == QLatin1Char('y') && day < 0 && month < 0)
            return DateOrder::Ymd;
        if (c == QLatin1Char('d') && day < 0)
            day = i;
        else if (c == QLatin1Char('M') && month < 0)
            month = i;
    }
    return month >= 0 && (day < 0 || month < day) ? DateOrder::Mdy : DateOrder::Dmy;
}

} // namespace corvander
