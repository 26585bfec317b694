#include "extract/text_reading.h"

#include <gtest/gtest.h>

namespace corvander {

namespace {

TEST(TextReading, WholeTextKeepsLineEndsAndFormFeeds) {
    EXPECT_EQ(decodeExtractedText("One two\r\nthree\r\n\r\n\fFour\r\n\f"),
              QStringLiteral("One two\r\nthree\r\n\r\n\fFour\r\n\f"));
    EXPECT_EQ(decodeExtractedText({}), QString());
}

TEST(TextReading, DecodesUtf8AndComposesAccents) {
    // "Café" with a precomposed e-acute, then "Cafe" plus a combining acute accent.
    const QString text = decodeExtractedText("Caf\xC3\xA9 Cafe\xCC\x81 \xE2\x82\xAC"
                                             "5 na\xC3\xAFve");
    EXPECT_EQ(text, QString::fromUtf8("Café Café €5 naïve"));
    EXPECT_EQ(text.count(QChar(0xE9)), 2);
}

TEST(TextReading, InvalidBytesDoNotLoseTheRestOfTheText) {
    const QString text = decodeExtractedText("Before \xFF\xFE middle \xC3 after\r\nlast line\f");
    EXPECT_TRUE(text.startsWith(QStringLiteral("Before "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" middle "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" after\r\nlast line\f"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QChar::ReplacementCharacter));
}

TEST(TextReading, LinesSplitAtCrLfOrLfAndAreComposed) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const QList<Case> cases{
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three"}},
        {"one\ntwo\nthree\n", {"one", "two", "three"}},
        {"one\r\ntwo\nthree", {"one", "two", "three"}},
        {"Title:  a\rb\n", {"Title:  a\rb"}},
        {"\n\nx\n", {"", "", "x"}},
        {"\n", {""}},
        {"", {}},
        {"Author: Rene\xCC\x81\n", {QString::fromUtf8("Author: René")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitOutputLines(c.bytes), c.lines) << c.bytes.toStdString();
}

} // namespace

} // namespace corvander
