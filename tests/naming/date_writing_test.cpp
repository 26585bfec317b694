#include "naming/template/dates.h"

#include <gtest/gtest.h>

namespace corvander {
namespace {

TEST(DateOrderChoice, TextsAndTheLocalesShortFormat) {
    for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy, DateOrder::Ymd})
        EXPECT_EQ(dateOrderFromText(dateOrderText(order)), order);
    EXPECT_EQ(dateOrderText(DateOrder::Mdy), QStringLiteral("mdy"));
    for (const char* text : {"", "dm", "dmyx", "ydm", " dmy"})
        EXPECT_FALSE(dateOrderFromText(QString::fromLatin1(text)).has_value()) << text;

    const struct {
        QLocale locale;
        DateOrder order;
    } rows[] = {
        {QLocale::c(), DateOrder::Dmy},
        {QLocale(QStringLiteral("en_US")), DateOrder::Mdy},
        {QLocale(QStringLiteral("en_GB")), DateOrder::Dmy},
        {QLocale(QStringLiteral("de_DE")), DateOrder::Dmy},
        {QLocale(QStringLiteral("fr_FR")), DateOrder::Dmy},
        {QLocale(QStringLiteral("ja_JP")), DateOrder::Ymd},
        {QLocale(QStringLiteral("hu_HU")), DateOrder::Ymd},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(defaultDateOrder(row.locale), row.order)
            << qPrintable(row.locale.name()) << " "
            << qPrintable(row.locale.dateFormat(QLocale::ShortFormat));
    }
}

TEST(DateWriting, EachDirective) {
    const QDate date(2024, 3, 5);
    const struct {
        const char* format;
        const char* written;
    } rows[] = {
        {"%Y-%m-%d", "2024-03-05"},
        {"%d.%m.%y", "05.03.24"},
        {"%B %d, %Y", "March 05, 2024"},
        {"%d-%b-%Y", "05-Mar-2024"},
        {"100%% on %d/%m", "100% on 05/03"},
        {"no date", "no date"},
        {"", ""},
        // What is no directive stays as it stands.
        {"%q%Y%", "%q2024%"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(formatDate(date, QString::fromLatin1(row.format)),
                  QString::fromLatin1(row.written))
            << row.format;
    }
    EXPECT_EQ(formatDate(QDate(1999, 9, 30), QStringLiteral("%b %y")), QStringLiteral("Sep 99"));
    EXPECT_EQ(formatDate(QDate(2005, 12, 1), QStringLiteral("%B %y")),
              QStringLiteral("December 05"));
    EXPECT_EQ(formatDate(QDate(), QStringLiteral("%Y")), QString());
}

TEST(DateWriting, WhatIsWrongWithAFormat) {
    const struct {
        const char* format;
        const char* problem;
    } rows[] = {
        {"%d.%m.%Y", ""},
        {"%Y%m%d %B %b %y 100%%", ""},
        {"no date", ""},
        {"ab%q", "unknown %q at character 3"},
        {"%Y-%M", "unknown %M at character 4"},
        {"%%q", ""},
        {"%d%", "% without a letter at character 3"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dateFormatProblem(QString::fromLatin1(row.format)),
                  QString::fromLatin1(row.problem))
            << row.format;
    }
}

} // namespace
} // namespace corvander
