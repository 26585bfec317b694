#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

// Dates as office papers write them: "12.03.2024", "2024-03-12", "12 March 2024", "March 12, 2024",
// "12-Mar-2024", "12. März 2024", "1er mars 2024", "12 de marzo de 2024".
namespace corvander {

// How a numeric date whose day and month could be swapped is read.
//
// A date that begins with a four-digit year is always year, month, day. In the others the order
// says which of the two numbers beside each other is the day: the first under Dmy, the second
// under Mdy and Ymd (in their letters the month comes before the day). When that reading is no
// date but the other one is, the other is taken ("13.03.2024" is 13 March under every order).
// Ymd also reads three short numbers whose first has two digits as year, month, day ("24.03.12"
// is 12 March 2024); Dmy and Mdy take the last for the year there (24 March 2012).
enum class DateOrder { Dmy, Mdy, Ymd };

// "dmy", "mdy", "ymd" and back; nothing for anything else.
std::optional<DateOrder> dateOrderFromText(QStringView text);
QString dateOrderText(DateOrder order);
// The order of the locale's short date format: Mdy for en_US, Ymd when the year comes first
// (ja_JP), Dmy for C and most others.
DateOrder defaultDateOrder(const QLocale& locale = QLocale());

// One date found in a text.
struct FoundDate {
    QDate date;
    qsizetype start = -1; // where it begins in the text searched
    qsizetype length = 0; // how many characters it takes there
    // A FORMAT (below) that writes this date exactly as it stands in the text, e.g. "%d.%m.%Y",
    // "%d %B %Y", "%Y-%m-%d"; empty when no FORMAT does ("1er mars 2024", "3/4/24").
    QString format;
    // Day and month could have been swapped (both 12 or less in a numeric date); the order decided.
    bool ambiguous = false;
};

class MonthNames;

// Finds dates in texts. Making one builds its table of month names; using it afterwards changes
// nothing, so one finder may serve many texts and threads at once.
class DateFinder {
public:
    // Month names of English, German, French, Spanish, Italian, Dutch and Portuguese, and of the
    // extra languages: locale names ("de_DE", "fr") or OCR language codes ("deu", "fra").
    explicit DateFinder(const QStringList& extraLanguages = {});

    // The first date in text that begins at or after `from`, read with `order`.
    std::optional<FoundDate> first(const QString& text, DateOrder order, qsizetype from = 0) const;
    // Every date in text, earliest first.
    QList<FoundDate> all(const QString& text, DateOrder order) const;
    // The readings of a short text that is one date and nothing else (a part of a file name the
    // user typed): one, or two for an ambiguous numeric date (Dmy and Mdy), or none.
    QList<FoundDate> readingsOf(const QString& text) const;

private:
    // As first(), on a text that holds valid UTF-16.
    std::optional<FoundDate> next(const QString& text, DateOrder order, qsizetype from) const;
    // The date a match of the expression stands for, if it is one and begins at `from` or later.
    std::optional<FoundDate> readMatch(const QString& text, const QRegularExpressionMatch& match,
                                       DateOrder order, qsizetype from) const;

    std::shared_ptr<const MonthNames> m_months;
    QRegularExpression m_pattern;
};

// Writes a date with FORMAT: %Y year, %y two-digit year, %m month 01-12, %d day 01-31,
// %B month name, %b short month name (English), %% a percent sign; other text as it stands.
QString formatDate(const QDate& date, const QString& format);
// Empty when FORMAT is acceptable; else what is wrong with it ("unknown %q at character 3").
QString dateFormatProblem(const QString& format);

} // namespace corvander
