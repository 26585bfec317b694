// Reading stops at the page that completes a name: the text gathered up to there must name every
// file exactly as the whole text does, whatever the pages hold.
#include "extract/check.h"
#include "naming/file_planner.h"
#include "naming/words/text_gatherer.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace corvander {

namespace {

constexpr qsizetype kBudget = 16 * 1024 * 1024;

// Pieces of text that meet the word rules' corners: doubled blanks, tabs, letters in both cases,
// a letter with its accent apart (composed when read), words that run over a line end.
const char* const kTokens[] = {"Invoice",
                               "NO",
                               "no",
                               "4711",
                               "Caf\xc3\xa9",
                               "Cafe\xcc\x81",
                               "a\tb",
                               "Date",
                               "page",
                               "of",
                               "\xe2\x82\xac"
                               "5",
                               "DRAFT",
                               "draft",
                               "x",
                               "",
                               "invoice"};

QByteArray randomPage(QRandomGenerator& random) {
    QByteArray page;
    const int lines = int(random.bounded(4));
    for (int line = 0; line < lines; ++line) {
        const int words = int(random.bounded(1, 7));
        for (int word = 0; word < words; ++word) {
            if (word > 0)
                page += QByteArray(int(random.bounded(1, 4)) == 3 ? 2 : 1, ' ');
            page += kTokens[random.bounded(int(std::size(kTokens)))];
        }
        page += random.bounded(5) == 0 ? " \r\n" : "\r\n";
    }
    // A page without words is a lone form feed, or blank lines before it.
    if (lines > 0 || random.bounded(2) == 0)
        page += "\r\n";
    return page + '\f';
}

// The answer the worker gives for the rule: the pages up to the one that satisfies it, kept as
// the gatherer keeps them.
ExtractResult gathered(const QList<QByteArray>& pages, const StopRule& rule, qint64 letGoAbove,
                       int* pagesRead = nullptr) {
    TextGatherer gatherer(rule, kBudget, letGoAbove);
    int read = 0;
    for (const QByteArray& page : pages) {
        ++read;
        gatherer.add(page);
        if (gatherer.satisfied())
            break;
    }
    if (pagesRead)
        *pagesRead = read;
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = 0;
    result.pageCount = int(pages.size());
    result.text = gatherer.answerText();
    result.textOffset = gatherer.answerCharactersBefore();
    result.wordOffset = gatherer.answerWordsBefore();
    return result;
}

// The same, handed on after `split` pages to a gatherer that goes on from what the first kept,
// as the pool does when it reads the pages after a scan by OCR.
ExtractResult gatheredInTwo(const QList<QByteArray>& pages, const StopRule& rule, qint64 letGoAbove,
                            int split) {
    TextGatherer first(rule, kBudget, letGoAbove);
    for (int page = 0; page < split && !first.satisfied(); ++page)
        first.add(pages.at(page));
    if (first.satisfied())
        return gathered(pages, rule, letGoAbove);
    TextGatherer second(rule, kBudget, letGoAbove);
    second.resume(first.keptText(), first.charactersBefore(), first.wordsBefore());
    for (int page = split; page < pages.size() && !second.satisfied(); ++page)
        second.add(pages.at(page));
    ExtractResult result = gathered({}, rule, letGoAbove);
    result.pageCount = int(pages.size());
    result.text = second.answerText();
    result.textOffset = second.answerCharactersBefore();
    result.wordOffset = second.answerWordsBefore();
    return result;
}

ExtractResult whole(const QList<QByteArray>& pages) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = 0;
    result.pageCount = int(pages.size());
    result.text = pages.join();
    return result;
}

void expectSamePlan(const PlannedFile& early, const PlannedFile& all, const std::string& what) {
    EXPECT_EQ(early.name, all.name) << what;
    EXPECT_EQ(early.skip, all.skip) << what;
    EXPECT_EQ(early.provenance.describe(), all.provenance.describe()) << what;
    EXPECT_EQ(early.provenance.pick.wordNumbers, all.provenance.pick.wordNumbers) << what;
}

struct ModeCase {
    int mode;
    int count;
    QString searchText;
};

QList<ModeCase> modeCases() {
    QList<ModeCase> cases;
    for (const int count : {-1, 0, 1, 2, 3, 5, 9, 40})
        cases.append({0, count, {}});
    const QStringList searches{QStringLiteral("invoice no"), QStringLiteral("NO"),
                               QStringLiteral("caf\u00e9"),  QStringLiteral("  \f"),
                               QStringLiteral("\fpage"),     QStringLiteral("draft \fx"),
                               QStringLiteral("zebra"),      QStringLiteral("4711  ")};
    for (const QString& search : searches) {
        for (const int count : {0, 1, 2, 4}) {
            cases.append({5, count, search});
            cases.append({6, count, search});
        }
    }
    return cases;
}

StopRule ruleFor(const ModeCase& c) {
    if (c.mode == 5)
        return StopRule::wordsAfter(c.searchText, c.count);
    if (c.mode == 6)
        return StopRule::wordsBefore(c.searchText, c.count);
    return StopRule::words(c.count);
}

TEST(TextGatherer, EarlyStopNamesAsTheWholeTextOnRandomDocuments) {
    QRandomGenerator random(20240611);
    const QList<ModeCase> cases = modeCases();
    const QString path = QStringLiteral("/in/doc.pdf");
    for (int document = 0; document < 300; ++document) {
        QList<QByteArray> pages;
        for (int page = int(random.bounded(1, 9)); page > 0; --page)
            pages << randomPage(random);
        for (const ModeCase& c : cases) {
            // Letting go of pages at once, and never: both must name the file alike.
            for (const qint64 letGoAbove : {qint64(0), TextGatherer::kLetGoAbove}) {
                const std::string what =
                    "document " + std::to_string(document) + " mode " + std::to_string(c.mode) +
                    " count " + std::to_string(c.count) + " search \"" +
                    c.searchText.toStdString() + "\" let go above " + std::to_string(letGoAbove) +
                    "\n" + pages.join().toStdString();
                const ExtractResult early = gathered(pages, ruleFor(c), letGoAbove);
                const PlannedFile expected = corvander::planByContent(c.mode, path, c.count, 0, {},
                                                                      c.searchText, whole(pages));
                expectSamePlan(
                    corvander::planByContent(c.mode, path, c.count, 0, {}, c.searchText, early),
                    expected, what);
                const int split = int(random.bounded(int(pages.size()) + 1));
                expectSamePlan(
                    corvander::planByContent(c.mode, path, c.count, 0, {}, c.searchText,
                                             gatheredInTwo(pages, ruleFor(c), letGoAbove, split)),
                    expected, what + "\nhanded on after page " + std::to_string(split));
                if (letGoAbove > 0 || early.text.isEmpty()) {
                    EXPECT_TRUE(pages.join().startsWith(early.text)) << what;
                    EXPECT_EQ(early.textOffset, 0) << what;
                }
                if (::testing::Test::HasFailure())
                    return;
            }
        }
        const ExtractResult checked = gathered(pages, StopRule::bytes(10), 0);
        EXPECT_EQ(corvander::readabilityOf(checked), corvander::readabilityOf(whole(pages)));
    }
}

TEST(TextGatherer, StopsAtThePageThatCompletesTheRule) {
    const QList<QByteArray> pages{"Annual report\r\n\r\n\f", "of the station  \r\n\r\n\f",
                                  "Invoice No 4711\r\n\r\n\f", "Total\r\n\r\n\f"};
    const struct {
        StopRule rule;
        int pagesRead;
    } cases[] = {
        {StopRule::bytes(10), 1},
        {StopRule::bytes(40), 3},
        {StopRule::words(1), 1},
        // The form feed that ends page 1 begins the next word, so page 1 completes word 3.
        {StopRule::words(3), 1},
        {StopRule::words(4), 2},
        {StopRule::words(10), 3},
        {StopRule::words(20), 4},
        {StopRule::wordsAfter(QStringLiteral("invoice"), 2), 3},
        {StopRule::wordsAfter(QStringLiteral("4711"), 2), 4},
        // The search text runs from page 2 into page 3, over the form feed.
        {StopRule::wordsBefore(QStringLiteral("station    \fINVOICE"), 1), 3},
        {StopRule::wordsBefore(QStringLiteral("zebra"), 1), 4},
    };
    for (const auto& c : cases) {
        int read = 0;
        gathered(pages, c.rule, TextGatherer::kLetGoAbove, &read);
        EXPECT_EQ(read, c.pagesRead) << int(c.rule.kind) << ' ' << c.rule.count;
    }
}

TEST(TextGatherer, ASearchTextInNoPageKeepsNothingAndNamesByTheOwnName) {
    const QList<QByteArray> pages{"Annual report\r\n\f", "Closing remarks\r\n\f"};
    const ExtractResult early = gathered(pages, StopRule::wordsAfter(QStringLiteral("zebra"), 2),
                                         TextGatherer::kLetGoAbove);
    EXPECT_TRUE(early.text.isEmpty());
    for (const int mode : {5, 6}) {
        const PlannedFile planned = corvander::planByContent(
            mode, QStringLiteral("/in/Report 7.pdf"), 2, 0, {}, QStringLiteral("zebra"), early);
        expectSamePlan(planned,
                       corvander::planByContent(mode, QStringLiteral("/in/Report 7.pdf"), 2, 0, {},
                                                QStringLiteral("zebra"), whole(pages)),
                       "mode " + std::to_string(mode));
        EXPECT_EQ(planned.name, QStringLiteral("Report 7"));
    }
}

TEST(TextGatherer, ALateSearchTextInALongTextKeepsLittleAndCountsWhereItStands) {
    // Three mebibytes of text, the search text on the second page from the end.
    QList<QByteArray> pages;
    for (int page = 0; page < 300; ++page)
        pages << QByteArray("filler words here ").repeated(580) + "\r\n\f";
    pages[298] = "Caf\xc3\xa9 before the Invoice No 4711 and then the end\r\n\f";
    for (const int mode : {5, 6}) {
        const QString search = QStringLiteral("invoice no");
        const StopRule rule =
            mode == 5 ? StopRule::wordsAfter(search, 3) : StopRule::wordsBefore(search, 3);
        const ExtractResult early = gathered(pages, rule, TextGatherer::kLetGoAbove);
        EXPECT_LT(early.text.size(), 2 * 1024 * 1024) << mode;
        EXPECT_GT(early.textOffset, 0) << mode;
        const PlannedFile planned =
            corvander::planByContent(mode, QStringLiteral("/in/a.pdf"), 3, 0, {}, search, early);
        expectSamePlan(planned,
                       corvander::planByContent(mode, QStringLiteral("/in/a.pdf"), 3, 0, {}, search,
                                                whole(pages)),
                       "mode " + std::to_string(mode));
        EXPECT_EQ(planned.name, mode == 5 ? QStringLiteral("4711 and then")
                                          : QStringLiteral("Caf\u00e9 before the"));
    }
}

TEST(TextGatherer, ATextPastTheBudgetOverflowsAndAResumedGathererGoesOnAsOne) {
    TextGatherer small(StopRule::words(1000), 100);
    small.add(QByteArray("word ").repeated(15) + '\f');
    EXPECT_FALSE(small.overflowed());
    small.add(QByteArray("word ").repeated(15) + '\f');
    EXPECT_TRUE(small.overflowed());
    EXPECT_FALSE(small.satisfied());
    EXPECT_TRUE(small.answerText().isEmpty());

    // Handed on at any page, with pages let go of before it, the reading ends alike.
    QList<QByteArray> pages;
    for (int page = 0; page < 12; ++page)
        pages << "some text on page " + QByteArray::number(page) + "\r\n\f";
    pages[9] = "the Target and four more words\r\n\f";
    const StopRule rule = StopRule::wordsBefore(QStringLiteral("target"), 2);
    const ExtractResult once = gathered(pages, rule, 0);
    for (int split = 1; split < 9; ++split) {
        TextGatherer first(rule, kBudget, 0);
        for (int page = 0; page < split; ++page)
            first.add(pages.at(page));
        TextGatherer second(rule, kBudget, 0);
        second.resume(first.keptText(), first.charactersBefore(), first.wordsBefore());
        for (int page = split; page < pages.size() && !second.satisfied(); ++page)
            second.add(pages.at(page));
        EXPECT_EQ(second.answerText(), once.text) << split;
        EXPECT_EQ(second.answerCharactersBefore(), once.textOffset) << split;
        EXPECT_EQ(second.answerWordsBefore(), once.wordOffset) << split;
    }
}

} // namespace

} // namespace corvander
