#include "naming/template/name_parts.h"
#include "naming/template/template_text.h"
#include "tests/naming/qt_printing.h"

#include <gtest/gtest.h>

namespace corvander {

// Every line end is one line feed: CR LF, a form feed, and CR LF followed by a form feed (the end
// of a page's last line) alike.
TEST(TemplateText, LineEndsBecomeOneLineFeed) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {QStringLiteral("a\r\nb\r\n\r\n\fc\r\n\f"), QStringLiteral("a\nb\n\nc\n")},
        {QStringLiteral("a\fb\f"), QStringLiteral("a\nb\n")},
        {QStringLiteral("a\r\n\f\fb\r\n\f"), QStringLiteral("a\n\nb\n")},
        {QStringLiteral("a\rb\tc"), QStringLiteral("a\rb\tc")},
    };
    for (const auto& each : cases)
        EXPECT_EQ(lineFeedForm(each.text), each.expected) << each.text.toStdString();
}

TEST(TemplateText, PagesEndAtFormFeeds) {
    using Spans = QList<TextSpan>;
    EXPECT_EQ(pageSpans(u"ab\r\n\fc\r\n\f"), (Spans{{0, 4}, {5, 8}}));
    EXPECT_EQ(pageSpans(u"\f\fc\f"), (Spans{{0, 0}, {1, 1}, {2, 3}}));
    EXPECT_EQ(pageSpans(u"ab\fcd"), (Spans{{0, 2}, {3, 5}}));
    EXPECT_EQ(pageSpans(u""), Spans{});
}

TEST(TemplateText, WordsAreRunsOfAnythingButWhiteSpace) {
    const QString text = QStringLiteral(" a\u00A0b\tc\r\nd\u202Fe\ff \u2003g ");
    EXPECT_EQ(joinedWords(text, wordsIn(text, {0, text.size()})),
              QStringLiteral("a b c d e f \u2003g"));
    EXPECT_EQ(joinedWords(text, wordsIn(text, {0, text.size()}, 2)), QStringLiteral("a b"));
    EXPECT_EQ(joinedWords(text, wordsBefore(text, text.indexOf(QLatin1Char('e')), 2)),
              QStringLiteral("c d"));
    EXPECT_EQ(countWords(text), 7);
    EXPECT_EQ(countWords(text, 3), 3);
}

// A search text's blanks stand for any run of white space; letter case does not count; what
// else it holds is taken literally.
TEST(TemplateText, SearchTextsMatchAcrossWhiteSpace) {
    const struct {
        const char* search;
        QString text;
        bool found;
    } cases[] = {
        {"Invoice No.:", QStringLiteral("INVOICE\r\n\fno.: 5"), true},
        {"Invoice No.:", QStringLiteral("Invoice\u00A0\u202F No.:"), true},
        {"Invoice  No.:", QStringLiteral("Invoice No.:"), true},
        {"Invoice No.:", QStringLiteral("InvoiceNo.:"), false},
        {"No. (1)", QStringLiteral("No. (1)"), true},
        {"No. (1)", QStringLiteral("No1 1"), false},
        {"élan", QStringLiteral("ÉLAN"), true},
    };
    for (const auto& each : cases)
        EXPECT_EQ(searchExpression(QString::fromUtf8(each.search)).match(each.text).hasMatch(),
                  each.found)
            << each.search << " in " << each.text.toStdString();
}

// A cut never splits a character, whatever its width in UTF-8.
TEST(TemplateText, CutsToUtf8BytesBetweenCharacters) {
    const struct {
        QString text;
        int maxBytes;
        QString expected;
    } cases[] = {
        {QStringLiteral("abc"), 255, QStringLiteral("abc")},
        {QString(200, QChar(u'é')), 255, QString(127, QChar(u'é'))},
        {QString(100, QChar(u'€')), 255, QString(85, QChar(u'€'))},
        {QStringLiteral("\U0001F600").repeated(70), 255, QStringLiteral("\U0001F600").repeated(63)},
        {QStringLiteral("ab\U0001F600"), 5, QStringLiteral("ab")},
        {QStringLiteral("aé"), 2, QStringLiteral("a")},
        {QStringLiteral("aé"), 3, QStringLiteral("aé")},
    };
    for (const auto& each : cases) {
        const QString cut = cutToUtf8Bytes(each.text, each.maxBytes);
        EXPECT_EQ(cut, each.expected) << each.maxBytes;
        EXPECT_LE(cut.toUtf8().size(), each.maxBytes);
    }
}

// Each part cleaned as rename by content cleans a name, then its blanks made single.
TEST(TemplateText, CleansANamePart) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {QStringLiteral("  No: 7/5  "), QStringLiteral("No 75")},
        {QStringLiteral("a \t b\r\nc"), QStringLiteral("a bc")},
        {QStringLiteral("a * b"), QStringLiteral("a b")},
        {QStringLiteral("50% <off>"), QStringLiteral("50% off")},
        {QStringLiteral("???"), QString()},
        {QStringLiteral("a\u00A0 b"), QStringLiteral("a\u00A0 b")},
    };
    for (const auto& each : cases)
        EXPECT_EQ(cleanNamePart(each.text), each.expected) << each.text.toStdString();
}

} // namespace corvander
