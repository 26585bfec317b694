#include "common/text_helpers.h"
#include "naming/clean_name.h"
#include "naming/content_words.h"

#include <gtest/gtest.h>

namespace corvander {

namespace {

QString twelveWords() {
    QStringList words;
    for (int i = 1; i <= 12; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    return words.join(QLatin1Char(' ')) + QStringLiteral("\r\n");
}

} // namespace

TEST(ContentWords, SplitKeepsEmptyWordsAndNonBlankSeparatorsInside) {
    const struct {
        const char* text;
        QStringList words;
    } cases[] = {
        {"Invoice  No: 123\r\nDate", {"Invoice", "", "No:", "123", "Date"}},
        {"  lead and trail  ", {"lead", "and", "trail"}},
        {"a\tb c\fd", {"a\tb", "c\fd"}},
        {"end of page\r\n\fNext", {"end", "of", "page", "\fNext"}},
        {"one\ntwo", {"onetwo"}},
        {"", {}},
        {"   ", {}},
        {"\r\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitWords(QString::fromLatin1(c.text)), c.words) << c.text;
}

TEST(ContentWords, FirstWords) {
    const QString invoice = QStringLiteral("Invoice  No: 123\r\nDate");
    const struct {
        int count;
        const char* picked; // empty: skipped
    } cases[] = {
        {3, "Invoice  No:"},
        {1, "Invoice"},
        {5, "Invoice  No: 123 Date"},
        {6, ""},
        {0, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pickFirstWords(invoice, c.count), QString::fromLatin1(c.picked)) << c.count;
    EXPECT_EQ(CleanName(pickFirstWords(invoice, 3), false), QStringLiteral("Invoice  No"));
    // An empty word at the end of the pick leaves no blank behind.
    EXPECT_EQ(pickFirstWords(QStringLiteral("a  b"), 2), QStringLiteral("a"));
}

TEST(ContentWords, FirstWordsAreTheFirstWordsOfTheSplit) {
    // The pick stops early instead of splitting the whole text; it must still agree with the
    // split at every count, around doubled blanks, line ends and the end of the text.
    const char* const texts[] = {
        "Invoice  No: 123\r\nDate",
        "  lead and  trail  ",
        "a\tb c\fd\r\n\fNext  ",
        "one\ntwo three",
        "a   b",
        "single",
        "\r\n\r\nafter blank lines\r\n",
    };
    for (const char* raw : texts) {
        const QString text = QString::fromLatin1(raw);
        const QStringList words = splitWords(text);
        for (int count = 1; count <= words.size() + 1; ++count) {
            const QString expected = count > words.size()
                                         ? QString()
                                         : trimBlanks(words.mid(0, count).join(QLatin1Char(' ')));
            EXPECT_EQ(pickFirstWords(text, count), expected) << raw << " " << count;
        }
    }
    EXPECT_EQ(pickFirstWords(twelveWords(), 12), twelveWords().trimmed());
    EXPECT_EQ(pickFirstWords(twelveWords(), 13), QString());
}

TEST(ContentWords, ListedWordNumbers) {
    const struct {
        int count; // the list's first number, as the run passes it
        const char* list;
        const char* picked;
    } cases[] = {
        {10, "10,11", "w10 w11"},
        {10, "10, 11", "w10 w11"},
        {10, " 10 , 11 ", "w10 w11"},
        {10, "10,12,11", "w10 w11"},
        {12, "12,10", ""},
        {10, "10,10", "w10"},
        {11, "11,10,12", "w11 w12"},
        {10, "10,99", "w10"},
        {12, "12", "w12"},
        {13, "13,14", ""}, // fewer words than the first number
        {10, "10,x", ""},  // a last entry that is no number gives no upper bound
        {1, "1,x,3", "w1 w3"},
        {0, "0,2", "w2"},
        {-1, "-1,1", "w1"},
        {1, "1.0,2", "w1 w2"},
        {10, "", ""},
        {10, "   ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pickListedWords(twelveWords(), c.count, QString::fromLatin1(c.list)),
                  QString::fromLatin1(c.picked))
            << c.list;
    }
}

TEST(ContentWords, WordsAroundASearchText) {
    const QString own = QStringLiteral("own-name");
    const struct {
        const char* text;
        const char* search;
        int count;
        bool after;
        const char* picked;
    } cases[] = {
        {"Invoice No 4711 Date", "invoice no", 1, true, "4711"},
        {"Invoice No 4711 Date 2021", "Date", 2, false, "No 4711"},
        {"Invoice No 4711 Date 2021", "missing", 1, true, "own-name"},
        {"Invoice No 4711 Date 2021", "missing", 1, false, "own-name"},
        {"Invoice No 4711 Date", "Date", 1, true, "own-name"},     // nothing after it
        {"Invoice No 4711 Date", "invoice", 1, false, "own-name"}, // nothing before it
        {"Invoice No 4711 Date", "No", 3, true, ""},               // too few words after it
        {"Invoice No 4711 Date", "4711", 3, false, ""},            // too few words before it
        {"Total Invoice\r\nNo 77 Date", "Invoice No", 1, true, "77"},
        {"Ref A1 and Ref B2", "ref", 1, true, "A1"},
        {"Ref A1 and Ref B2", "REF", 1, false, "own-name"},
        {"Key: a  b", "key:", 2, true, "a"}, // the empty second word counts
        {"x y", "", 1, true, ""},
        {"Name Z", "name", 0, true, ""},
        {"A B \r\n", "B", 1, true, ""}, // only blanks after it: no words
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pickAroundSearch(QString::fromLatin1(c.text), c.count,
                                   QString::fromLatin1(c.search), c.after, own),
                  QString::fromLatin1(c.picked))
            << c.text << " / " << c.search << (c.after ? " after" : " before");
    }
}

} // namespace corvander
