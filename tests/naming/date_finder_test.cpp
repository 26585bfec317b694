#include "naming/template/dates.h"

#include <gtest/gtest.h>

namespace corvander {
namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

QString iso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// A date as it is read inside a sentence: where, what, and the FORMAT that writes it again.
struct Written {
    const char* text;
    const char* date;
    const char* format;
};

void expectFoundInSentence(const DateFinder& finder, const Written& row, DateOrder order) {
    const QString date = u8(row.text);
    const QString sentence = QStringLiteral("Invoice of ") + date + QStringLiteral(", paid.");
    const std::optional<FoundDate> found = finder.first(sentence, order);
    ASSERT_TRUE(found.has_value()) << row.text;
    EXPECT_EQ(iso(found->date), QString::fromLatin1(row.date)) << row.text;
    EXPECT_EQ(found->start, 11) << row.text;
    EXPECT_EQ(found->length, date.size()) << row.text;
    EXPECT_EQ(found->format, u8(row.format)) << row.text;
    if (!found->format.isEmpty()) {
        EXPECT_EQ(formatDate(found->date, found->format), date) << row.text;
    }
}

TEST(DateForms, NumbersWithEachSeparatorAndTheYearFirstOrLast) {
    const Written rows[] = {
        {"12.03.2024", "2024-03-12", "%d.%m.%Y"}, {"3/12/24", "2024-12-03", ""},
        {"12-03-2024", "2024-03-12", "%d-%m-%Y"}, {"2024-03-12", "2024-03-12", "%Y-%m-%d"},
        {"2024/03/12", "2024-03-12", "%Y/%m/%d"}, {"2024.03.12", "2024-03-12", "%Y.%m.%d"},
        {"2024-3-5", "2024-03-05", ""},           {"29.02.2024", "2024-02-29", "%d.%m.%Y"},
        {"01.12.99", "1999-12-01", "%d.%m.%y"},
    };
    const DateFinder finder;
    for (const Written& row : rows)
        expectFoundInSentence(finder, row, DateOrder::Dmy);
}

TEST(DateForms, MonthNamesInEveryLanguage) {
    const Written rows[] = {
        // English
        {"12 March 2024", "2024-03-12", "%d %B %Y"},
        {"March 12, 2024", "2024-03-12", "%B %d, %Y"},
        {"12-Mar-2024", "2024-03-12", "%d-%b-%Y"},
        {"Mar. 12, 2024", "2024-03-12", "%b. %d, %Y"},
        {"12 March, 2024", "2024-03-12", "%d %B, %Y"},
        {"05 May. 2024", "2024-05-05", "%d %b. %Y"},
        {"12 MARCH 2024", "2024-03-12", ""},
        {"12th of March 2024", "2024-03-12", ""},
        {"Sept 3, 2024", "2024-09-03", ""},
        {"31-Dec-99", "1999-12-31", "%d-%b-%y"},
        // German
        {"12. März 2024", "2024-03-12", ""},
        {"12. Mär. 2024", "2024-03-12", ""},
        {"3. Januar 2024", "2024-01-03", ""},
        {"12 Dez. 2024", "2024-12-12", ""},
        {"12. MÄRZ 2024", "2024-03-12", ""},
        {"1. Jänner 2024", "2024-01-01", ""},
        {"24-Okt-2024", "2024-10-24", ""},
        {"Oktober 24, 2024", "2024-10-24", ""},
        // French
        {"1er mars 2024", "2024-03-01", ""},
        {"12 févr. 2024", "2024-02-12", ""},
        {"3 juil. 2024", "2024-07-03", ""},
        {"14 JUILLET 2024", "2024-07-14", ""},
        {"15 août 2024", "2024-08-15", ""},
        {"15 aout 2024", "2024-08-15", ""},
        {"2 décembre 2024", "2024-12-02", ""},
        // One each of the other four
        {"12 de marzo de 2024", "2024-03-12", ""},
        {"12 marzo 2024", "2024-03-12", ""},
        {"12 maart 2024", "2024-03-12", ""},
        {"12 de março de 2024", "2024-03-12", ""},
    };
    const DateFinder finder;
    for (const Written& row : rows)
        expectFoundInSentence(finder, row, DateOrder::Dmy);
}

TEST(DateForms, PartsSeparatedByAnyWhiteSpaceIncludingLineEnds) {
    const Written rows[] = {
        {"12\r\nMarch 2024", "2024-03-12", "%d\r\n%B %Y"},
        {"12.\r\n\fMärz\r\n2024", "2024-03-12", ""},
        {"12\u00A0March\u202F2024", "2024-03-12", "%d\u00A0%B\u202F%Y"},
        {"March\t12,\r\n2024", "2024-03-12", "%B\t%d,\r\n%Y"},
        {"12  de  marzo\r\nde 2024", "2024-03-12", ""},
    };
    const DateFinder finder;
    for (const Written& row : rows)
        expectFoundInSentence(finder, row, DateOrder::Dmy);
}

// Texts that hold no date: not in the calendar, a year out of range, digits that run on, mixed
// separators, no whole month name, numbers chained on, no year.
TEST(DateForms, WhatIsNoDate) {
    const char* const texts[] = {
        "31.02.2024",     "29.02.2023",   "31.04.2024",  "00.01.2024",       "30 February 2024",
        "12.03.1899",     "12.03.2100",   "1899-12-31",  "12 March 1899",    "01-Jan-2100",
        "112.03.2024",    "12.03.20245",  "2024-03-123", "12024-03-12",      "12 March 20245",
        "112 March 2024", "12.03-2024",   "2024/03-12",  "12 Marching 2024", "Marching 12, 2024",
        "12 Foo 2024",    "12March 2024", "12 March 24", "32 March 2024",    "2er mars 2024",
        "01.02.03.04.05", "10.11.12.13",  "March 12",
    };
    const DateFinder finder;
    for (const char* text : texts) {
        for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy, DateOrder::Ymd}) {
            const std::optional<FoundDate> found = finder.first(u8(text), order);
            EXPECT_FALSE(found.has_value()) << text << " read as " << qPrintable(iso(found->date))
                                            << " under " << qPrintable(dateOrderText(order));
        }
    }
}

TEST(DateOrders, DayAndMonthThatCouldBeSwapped) {
    struct Row {
        const char* text;
        DateOrder order;
        const char* date;
        bool ambiguous;
    };
    const Row rows[] = {
        {"03.04.2024", DateOrder::Dmy, "2024-04-03", true},
        {"03.04.2024", DateOrder::Mdy, "2024-03-04", true},
        {"03.04.2024", DateOrder::Ymd, "2024-03-04", true},
        {"3/4/24", DateOrder::Mdy, "2024-03-04", true},
        // Only one reading gives a date, whatever the order says.
        {"13.03.2024", DateOrder::Mdy, "2024-03-13", false},
        {"03.13.2024", DateOrder::Dmy, "2024-03-13", false},
        {"05.05.2024", DateOrder::Mdy, "2024-05-05", false},
        // A four-digit year first is always year, month, day.
        {"2024-03-04", DateOrder::Mdy, "2024-03-04", false},
        {"2024-03-04", DateOrder::Dmy, "2024-03-04", false},
        // Three short numbers: the year first under ymd only.
        {"24.03.12", DateOrder::Ymd, "2024-03-12", true},
        {"24.03.12", DateOrder::Dmy, "2012-03-24", false},
        {"24.13.03", DateOrder::Ymd, "2024-03-13", false},
        {"4.03.12", DateOrder::Ymd, "2012-04-03", true},
        // Two-digit years turn at 70.
        {"01.01.69", DateOrder::Dmy, "2069-01-01", false},
        {"01.01.70", DateOrder::Dmy, "1970-01-01", false},
        {"01.01.00", DateOrder::Dmy, "2000-01-01", false},
    };
    const DateFinder finder;
    for (const Row& row : rows) {
        const std::optional<FoundDate> found = finder.first(u8(row.text), row.order);
        ASSERT_TRUE(found.has_value()) << row.text;
        EXPECT_EQ(iso(found->date), QString::fromLatin1(row.date))
            << row.text << " under " << qPrintable(dateOrderText(row.order));
        EXPECT_EQ(found->ambiguous, row.ambiguous) << row.text;
    }
}

TEST(DateSearch, FirstFromAPositionAndAllInOrder) {
    const QString text = u8("Tel. 01.02.03.04.05 — Item 12 2023.11.30, ordered March 1, 2023,\r\n"
                            "Invoice date: 112.03.2024 12.03.2024\fdue 1er avril 2024");
    const DateFinder finder;
    const QList<FoundDate> dates = finder.all(text, DateOrder::Dmy);
    QStringList found;
    for (const FoundDate& date : dates)
        found << text.mid(date.start, date.length) + QLatin1Char('=') + iso(date.date);
    EXPECT_EQ(found, (QStringList{QStringLiteral("2023.11.30=2023-11-30"),
                                  QStringLiteral("March 1, 2023=2023-03-01"),
                                  QStringLiteral("12.03.2024=2024-03-12"),
                                  u8("1er avril 2024=2024-04-01")}));

    const qsizetype label = text.indexOf(QStringLiteral("Invoice date:"));
    const std::optional<FoundDate> after = finder.first(text, DateOrder::Dmy, label);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(iso(after->date), QStringLiteral("2024-03-12"));
    // A search from inside a date does not take its tail for a date.
    const qsizetype march = text.indexOf(QStringLiteral(" 12.03.2024")) + 1;
    EXPECT_EQ(finder.first(text, DateOrder::Dmy, march)->start, march);
    EXPECT_EQ(iso(finder.first(text, DateOrder::Dmy, march + 1)->date),
              QStringLiteral("2024-04-01"));
    EXPECT_FALSE(finder.first(text, DateOrder::Dmy, text.size()).has_value());
    EXPECT_TRUE(finder.all(QString(), DateOrder::Dmy).isEmpty());
}

TEST(DateSearch, AMonthFirstDateBeginsAtItsName) {
    const QString text = QStringLiteral("Due on March 12, 2024.");
    const DateFinder finder;
    const qsizetype name = text.indexOf(QStringLiteral("March"));
    EXPECT_EQ(finder.first(text, DateOrder::Dmy, name)->start, name);
    // From inside the name, the date has begun already.
    EXPECT_FALSE(finder.first(text, DateOrder::Dmy, name + 1).has_value());
    EXPECT_FALSE(finder.first(QStringLiteral("2March 12, 2024"), DateOrder::Dmy).has_value());
}

TEST(DateSearch, BrokenTextIsSearchedAsItStands) {
    // A lone surrogate, as a damaged text layer may hold, before and inside the words.
    QString text = QStringLiteral("X Y 12.03.2024 and 5 Z 2023 then 7 March 2025");
    text[0] = QChar(0xD800);
    text[text.indexOf(QLatin1Char('Z'))] = QChar(0xDC00);
    const QList<FoundDate> dates = DateFinder().all(text, DateOrder::Dmy);
    ASSERT_EQ(dates.size(), 2);
    EXPECT_EQ(dates[0].start, 4);
    EXPECT_EQ(iso(dates[1].date), QStringLiteral("2025-03-07"));
}

TEST(DateSearch, ReadingsOfATextThatIsOneDate) {
    struct Row {
        const char* text;
        QStringList readings; // date and format of each
        qsizetype start;
    };
    const Row rows[] = {
        {"03/04/2024",
         {QStringLiteral("2024-04-03 %d/%m/%Y"), QStringLiteral("2024-03-04 %m/%d/%Y")},
         0},
        {"3-4-24", {QStringLiteral("2024-04-03 "), QStringLiteral("2024-03-04 ")}, 0},
        {"  13.03.2024 ", {QStringLiteral("2024-03-13 %d.%m.%Y")}, 2},
        {"05.05.2024", {QStringLiteral("2024-05-05 %d.%m.%Y")}, 0},
        {"2024-03-04", {QStringLiteral("2024-03-04 %Y-%m-%d")}, 0},
        {"\u00A012 March 2024\r\n", {QStringLiteral("2024-03-12 %d %B %Y")}, 1},
        {"12.03.2024 x", {}, 0},
        {"x 12.03.2024", {}, 0},
        {"31.02.2024", {}, 0},
        {"", {}, 0},
    };
    const DateFinder finder;
    for (const Row& row : rows) {
        const QString text = u8(row.text);
        QStringList readings;
        for (const FoundDate& reading : finder.readingsOf(text)) {
            readings << iso(reading.date) + QLatin1Char(' ') + reading.format;
            EXPECT_EQ(reading.start, row.start) << row.text;
            EXPECT_EQ(text.mid(reading.start, reading.length), text.trimmed()) << row.text;
        }
        EXPECT_EQ(readings, row.readings) << row.text;
    }
}

TEST(DateLanguages, ExtraLanguagesByLocaleOrOcrCode) {
    const QString polish = u8("Warszawa, 12 marca 2024");
    const QString russian = u8("Москва, 12 марта 2024 г.");
    EXPECT_FALSE(DateFinder().first(polish, DateOrder::Dmy).has_value());
    EXPECT_EQ(iso(DateFinder({QStringLiteral("pl_PL")}).first(polish, DateOrder::Dmy)->date),
              QStringLiteral("2024-03-12"));
    const DateFinder ocr({QStringLiteral("rus+eng"), QStringLiteral("chi_sim")});
    EXPECT_EQ(iso(ocr.first(russian, DateOrder::Dmy)->date), QStringLiteral("2024-03-12"));
    EXPECT_FALSE(DateFinder({QStringLiteral("xx_nonsense")}).first(russian, DateOrder::Dmy));

    // "listopad" is October in Croatian and November in Czech: the first language named decides.
    const QString text = QStringLiteral("5 listopad 2024");
    EXPECT_EQ(DateFinder({QStringLiteral("hrv"), QStringLiteral("ces")})
                  .first(text, DateOrder::Dmy)
                  ->date.month(),
              10);
    EXPECT_EQ(DateFinder({QStringLiteral("ces"), QStringLiteral("hrv")})
                  .first(text, DateOrder::Dmy)
                  ->date.month(),
              11);
}

} // namespace
} // namespace corvander
