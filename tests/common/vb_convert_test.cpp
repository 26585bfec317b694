#include "common/error_report.h"
#include "common/vb_convert.h"

#include <gtest/gtest.h>

namespace corvander {

TEST(Numeric, AcceptsSignDecimalsExponentAndBlanks) {
    const struct {
        const char* text;
        bool numeric;
    } cases[] = {
        {"5", true},    {" 12 ", true}, {"-3", true},  {"+4", true},   {"2.5", true},
        {".5", true},   {"5.", true},   {"1e3", true}, {"1E-2", true}, {"0", true},
        {"", false},    {" ", false},   {"a", false},  {"1a", false},  {"1,5", false},
        {"--1", false}, {"1e", false},  {"e3", false}, {".", false},   {"1 2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNumeric(QString::fromLatin1(c.text)), c.numeric) << c.text;
}

TEST(Numeric, IntegerConversionRoundsHalvesToEven) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"2.5", 2},    {"3.5", 4}, {"-2.5", -2}, {"0.5", 0},
                 {"1.4999", 1}, {" 7 ", 7}, {"1e2", 100}, {"2147483647", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(toInt32(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(Numeric, ConversionFailuresRaiseTheirErrors) {
    try {
        toInt32(QStringLiteral("2147483648"));
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("Overflow"));
    }
    try {
        toInt16(QStringLiteral("abc"));
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("Type mismatch"));
    }
    EXPECT_THROW(toInt16(QStringLiteral("40000")), AppError);
}

TEST(Boolean, TakesWordsAndNumbers) {
    EXPECT_TRUE(toBoolean(QStringLiteral("True")));
    EXPECT_TRUE(toBoolean(QStringLiteral("true")));
    EXPECT_FALSE(toBoolean(QStringLiteral("False")));
    EXPECT_TRUE(toBoolean(QStringLiteral("1")));
    EXPECT_TRUE(toBoolean(QStringLiteral("-1")));
    EXPECT_FALSE(toBoolean(QStringLiteral("0")));
    EXPECT_THROW(toBoolean(QStringLiteral("abc")), AppError);
    EXPECT_THROW(toBoolean(QString()), AppError);
}

} // namespace corvander
