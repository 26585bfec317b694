#include "naming/learn/learning_sources.h"

#include <QLocale>
#include <QSet>

#include <functional>

// Dates: the formats that write a date as the name does, and the date fields that find it.

namespace corvander {

namespace {

// How many dates of the text that the name's piece could be are tried.
constexpr int kDatesTried = 8;

const QString kDefaultFormat = QStringLiteral("%Y-%m-%d");

// What one run of a name's piece can be: the directives that write it, or literal text.
struct RunChoice {
    QStringList directives; // empty: `literal`
    QString literal;
};

QList<RunChoice> runChoices(const QDate& date, const QString& written) {
    const QLocale english = QLocale::c();
    const QString twoDigitYear =
        QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    const QString day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    QList<RunChoice> choices;
    qsizetype at = 0;
    while (at < written.size()) {
        qsizetype end = at + 1;
        RunChoice choice;
        if (written.at(at).isDigit()) {
            while (end < written.size() && written.at(end).isDigit())
                ++end;
            const QString run = written.mid(at, end - at);
            if (run == QString::number(date.year()))
                choice.directives << QStringLiteral("%Y");
            if (run == twoDigitYear)
                choice.directives << QStringLiteral("%y");
            if (run == month)
                choice.directives << QStringLiteral("%m");
            if (run == day)
                choice.directives << QStringLiteral("%d");
            // Digits that are no part of the date make it no writing of the date.
            if (choice.directives.isEmpty())
                return {};
        } else if (written.at(at).isLetter()) {
            while (end < written.size() && written.at(end).isLetter())
                ++end;
            const QString run = written.mid(at, end - at);
            if (run == english.monthName(date.month(), QLocale::LongFormat))
                choice.directives << QStringLiteral("%B");
            else if (run == english.monthName(date.month(), QLocale::ShortFormat))
                choice.directives << QStringLiteral("%b");
            // Words other than the month's name belong to the name, not to the date.
            if (choice.directives.isEmpty())
                return {};
        } else {
            choice.literal =
                written.at(at) == QLatin1Char('%') ? QStringLiteral("%%") : written.mid(at, 1);
        }
        choices << choice;
        at = end;
    }
    // The date begins and ends with a part of it; signs around it belong to the name.
    if (choices.isEmpty() || choices.first().directives.isEmpty() ||
        choices.last().directives.isEmpty())
        return {};
    return choices;
}

bool acceptable(const QStringList& directives) {
    const auto has = [&](const char* directive) {
        return directives.contains(QLatin1String(directive));
    };
    if (QSet<QString>(directives.begin(), directives.end()).size() != directives.size())
        return false;
    const bool year = has("%Y") || has("%y");
    const bool month = has("%m") || has("%B") || has("%b");
    // A month alone is a month folder ("2024/05/"); a day alone is any number.
    if (!year && !month)
        return false;
    // Year, day, month is no way of writing a date.
    const qsizetype yearAt =
        std::max(directives.indexOf(QLatin1String("%Y")), directives.indexOf(QLatin1String("%y")));
    const qsizetype dayAt = directives.indexOf(QLatin1String("%d"));
    const qsizetype monthAt = directives.indexOf(QLatin1String("%m"));
    return !(yearAt == 0 && dayAt >= 0 && monthAt > dayAt);
}

bool writesDayOrMonth(const QString& format) {
    for (const char* directive : {"%d", "%m", "%B", "%b"}) {
        if (format.contains(QLatin1String(directive)))
            return true;
    }
    return false;
}

bool writesMonthOnly(const QString& format) {
    return !format.contains(QLatin1String("%Y")) && !format.contains(QLatin1String("%y")) &&
           !format.contains(QLatin1String("%d"));
}

bool writesWholeDate(const QString& format) {
    const auto has = [&](const char* directive) {
        return format.contains(QLatin1String(directive));
    };
    return has("%d") && (has("%m") || has("%B") || has("%b")) && (has("%Y") || has("%y"));
}

// The numbers a piece of a name writes, each with its count of digits.
QList<std::pair<int, qsizetype>> numbersOf(const QString& piece) {
    QList<std::pair<int, qsizetype>> numbers;
    for (qsizetype at = 0; at < piece.size();) {
        qsizetype end = at;
        while (end < piece.size() && piece.at(end).isDigit())
            ++end;
        if (end > at)
            numbers.append({QStringView(piece).mid(at, end - at).toInt(), end - at});
        at = std::max(end, at + 1);
    }
    return numbers;
}

// Whether every number could be a part of the date: a quick test before the formats are tried
// (a long document has hundreds of dates).
bool mayWrite(const QDate& date, const QList<std::pair<int, qsizetype>>& numbers) {
    for (const auto& [number, digits] : numbers) {
        const bool part = (digits == 4 && number == date.year()) ||
                          (digits == 2 && (number == date.year() % 100 || number == date.month() ||
                                           number == date.day()));
        if (!part)
            return false;
    }
    return true;
}

} // namespace

QStringList formatsWriting(const QDate& date, const QString& written) {
    const QList<RunChoice> choices = runChoices(date, written);
    QStringList formats;
    QStringList directives;
    QString format;
    const std::function<void(qsizetype)> choose = [&](qsizetype index) {
        if (index == choices.size()) {
            if (acceptable(directives) && formatDate(date, format) == written)
                formats << format;
            return;
        }
        const RunChoice& choice = choices.at(index);
        if (choice.directives.isEmpty()) {
            const qsizetype size = format.size();
            format += choice.literal;
            choose(index + 1);
            format.truncate(size);
            return;
        }
        for (const QString& directive : choice.directives) {
            const qsizetype size = format.size();
            format += directive;
            directives << directive;
            choose(index + 1);
            directives.removeLast();
            format.truncate(size);
        }
    };
    if (!choices.isEmpty())
        choose(0);
    return formats;
}

QList<Source> SourceFinder::dateSources(const QString& piece, qsizetype dateStart) const {
    QList<Source> sources;
    if (!hasDigit(piece))
        return sources;
    const QList<std::pair<int, qsizetype>> numbers = numbersOf(piece);
    int tried = 0;
    for (const TextDate& date : m_index.dates()) {
        if (dateStart >= 0 && date.start != dateStart)
            continue;
        // Each reading of the date with the formats that write it as the piece.
        QList<std::pair<const DateReading*, QString>> writings;
        QSet<DateOrder> orders;
        for (const DateReading& reading : date.readings) {
            if (!mayWrite(reading.date, numbers))
                continue;
            for (const QString& format : formatsWriting(reading.date, piece)) {
                writings.append({&reading, format});
                if (reading.order && writesDayOrMonth(format))
                    orders.insert(*reading.order);
            }
        }
        if (writings.isEmpty())
            continue;
        // The example proves an order when only one reading gives the piece, or, when both
        // do, when the document's other dates show one; else the run's order reads it and the
        // field names none.
        const std::optional<DateOrder> proven = orders.size() == 1
                                                    ? std::optional<DateOrder>(*orders.begin())
                                                : orders.size() > 1 ? m_index.shownOrder()
                                                                    : std::nullopt;
        const DateOrder reads =
            proven.value_or(m_runOrder == DateOrder::Dmy ? DateOrder::Dmy : DateOrder::Mdy);
        for (const auto& [reading, format] : writings) {
            if (orders.size() > 1 && reading->order && writesDayOrMonth(format) &&
                *reading->order != reads)
                continue;
            const bool ordered = proven && reading->order && writesDayOrMonth(format);
            addDateFields(piece, date, format, ordered ? proven : std::nullopt, sources);
        }
        if (++tried == kDatesTried || dateStart >= 0)
            return sources;
    }
    for (const FieldKind kind : {FieldKind::Created, FieldKind::Modified}) {
        Alternative information;
        information.kind = kind;
        const std::optional<QString> value = valueOf(information);
        const QDate date = value ? QDate::fromString(*value, Qt::ISODate) : QDate();
        if (!date.isValid())
            continue;
        for (const QString& format : formatsWriting(date, piece)) {
            information.format = format == kDefaultFormat ? QString() : format;
            const bool monthOnly = writesMonthOnly(format);
            if (admit(information,
                      source_rank::kInformationDate + (monthOnly ? source_rank::kMonthOnly : 0),
                      piece, sources, -1, writesWholeDate(format)))
                sources.last().monthOnly = monthOnly;
        }
    }
    return sources;
}

void SourceFinder::addDateFields(const QString& piece, const TextDate& date, const QString& format,
                                 std::optional<DateOrder> order, QList<Source>& into) const {
    Alternative field;
    field.kind = FieldKind::Date;
    field.format = format == kDefaultFormat ? QString() : format;
    field.order = order;
    const bool whole = writesWholeDate(format);
    const bool monthOnly = writesMonthOnly(format);
    const double extra = monthOnly ? source_rank::kMonthOnly : 0;
    const auto offer = [&](double rank) {
        if (admit(field, rank + extra, piece, into, date.start, whole))
            into.last().monthOnly = monthOnly;
    };
    for (const QString& label : m_index.labelsBefore(date.start)) {
        field.text = label;
        offer(labelRank(label, source_rank::kLabelledDate, source_rank::kPlainLabelledDate));
    }
    for (const QString& label : m_index.labelsAbove(date.start)) {
        field.text = label;
        offer(source_rank::kDateBelowLabel -
              source_rank::kLongerLabel * double(label.count(u' ') + 1));
    }
    field.text.clear();
    offer(source_rank::kFirstDate);
}

} // namespace corvander
