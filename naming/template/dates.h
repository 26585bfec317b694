#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace corvander {

// How a date whose day and month could be swapped is read.
enum class DateOrder { Dmy, Mdy, Ymd };

// "dmy", "mdy", "ymd" and back; nothing for anything else.
std::optional<DateOrder> dateOrderFromText(QStringView text);
QString dateOrderText(DateOrder order);
// The order of the locale's short date format: Mdy for en_US, Dmy for C and most others.
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
};

// Writes a date with FORMAT: %Y year, %y two-digit year, %m month 01-12, %d day 01-31,
// %B month name, %b short month name (English), %% a percent sign; other text as it stands.
QString formatDate(const QDate& date, const QString& format);
// Empty when FORMAT is acceptable; else what is wrong with it ("unknown %q at character 3").
QString dateFormatProblem(const QString& format);

} // namespace corvander
