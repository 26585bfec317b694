#include "naming/template/dates.h"

#include <QRegularExpression>

// A small stand-in for the date finder, enough for the template tests: numeric dates written
// dd.mm.yyyy, dd/mm/yyyy, dd-mm-yyyy (or month first) and yyyy-mm-dd, and FORMAT without month
// names. The full finder takes its place.

namespace corvander {

std::optional<DateOrder> dateOrderFromText(QStringView text) {
    if (text == QLatin1String("dmy"))
        return DateOrder::Dmy;
    if (text == QLatin1String("mdy"))
        return DateOrder::Mdy;
    if (text == QLatin1String("ymd"))
        return DateOrder::Ymd;
    return std::nullopt;
}

QString dateOrderText(DateOrder order) {
    switch (order) {
    case DateOrder::Dmy:
        return QStringLiteral("dmy");
    case DateOrder::Mdy:
        return QStringLiteral("mdy");
    case DateOrder::Ymd:
        return QStringLiteral("ymd");
    }
    return {};
}

DateOrder defaultDateOrder(const QLocale& locale) {
    return locale.dateFormat(QLocale::ShortFormat).startsWith(QLatin1Char('M')) ? DateOrder::Mdy
                                                                                : DateOrder::Dmy;
}

DateFinder::DateFinder(const QStringList&) {}

std::optional<FoundDate> DateFinder::first(const QString& text, DateOrder order,
                                           qsizetype from) const {
    static const QRegularExpression numeric(
        QStringLiteral("(?<![0-9])(?:([0-9]{4})-([0-9]{2})-([0-9]{2})|([0-9]{1,2})([./"
                       "-])([0-9]{1,2})\\5([0-9]{4}))"
                       "(?![0-9])"));
    for (auto it = numeric.globalMatch(text, from); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        FoundDate found;
        found.start = match.capturedStart();
        found.length = match.capturedLength();
        if (match.hasCaptured(1)) {
            found.date = QDate(match.captured(1).toInt(), match.captured(2).toInt(),
                               match.captured(3).toInt());
            found.format = QStringLiteral("%Y-%m-%d");
        } else {
            int day = match.captured(4).toInt();
            int month = match.captured(6).toInt();
            found.ambiguous = day <= 12 && month <= 12;
            if (order == DateOrder::Mdy)
                std::swap(day, month);
            found.date = QDate(match.captured(7).toInt(), month, day);
        }
        if (found.date.isValid())
            return found;
    }
    return std::nullopt;
}

QList<FoundDate> DateFinder::all(const QString& text, DateOrder order) const {
    QList<FoundDate> dates;
    for (auto found = first(text, order); found; found = first(text, order, found->start + 1))
        dates << *found;
    return dates;
}

QList<FoundDate> DateFinder::readingsOf(const QString& text) const {
    QList<FoundDate> readings;
    for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy}) {
        const auto found = first(text, order);
        if (found && found->start == 0 && found->length == text.size() &&
            (readings.isEmpty() || readings.first().date != found->date))
            readings << *found;
    }
    return readings;
}

QString formatDate(const QDate& date, const QString& format) {
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%') || i + 1 == format.size()) {
            out += format.at(i);
            continue;
        }
        const QChar code = format.at(++i);
        if (code == QLatin1Char('Y'))
            out += QString::number(date.year());
        else if (code == QLatin1Char('y'))
            out += QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
        else if (code == QLatin1Char('m'))
            out += QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
        else if (code == QLatin1Char('d'))
            out += QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
        else
            out += code;
    }
    return out;
}

QString dateFormatProblem(const QString& format) {
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%'))
            continue;
        if (i + 1 == format.size())
            return QStringLiteral("a lone %") + QStringLiteral(" at character ") +
                   QString::number(i + 1);
        const QChar code = format.at(++i);
        if (!QStringLiteral("YymdBb%").contains(code))
            return QStringLiteral("unknown %") + code + QStringLiteral(" at character ") +
                   QString::number(i);
    }
    return {};
}

} // namespace corvander
