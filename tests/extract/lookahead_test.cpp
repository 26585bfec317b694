// The look-ahead over an extractor without workers: what it sends, re-sends and withdraws.
#include "extract/lookahead.h"
#include "tests/support/fake_extractor.h"

#include <gtest/gtest.h>

namespace corvander {

namespace {

QString fileAt(int position) {
    return QStringLiteral("/docs/%1.pdf").arg(position);
}

ExtractResult textAnswer(const QByteArray& text) {
    ExtractResult result;
    result.outcome = ExtractResult::Outcome::Answered;
    result.status = 0;
    result.text = text;
    return result;
}

// Every file of a list of ten, asked for its whole text, answered with its own name.
class LookaheadFake : public ::testing::Test {
protected:
    LookaheadFake() {
        for (int position = 1; position <= 10; ++position) {
            extractor.addAnswer(ExtractRequest::wholeText(fileAt(position)),
                                textAnswer(fileAt(position).toUtf8()));
            extractor.addAnswer(ExtractRequest::pageText(fileAt(position), 2),
                                textAnswer("page two of " + fileAt(position).toUtf8()));
        }
    }
    static std::optional<ExtractRequest> wholeText(int position) {
        return ExtractRequest::wholeText(fileAt(position));
    }
    QByteArray claimedText(Lookahead& ahead, int position, const ExtractRequest& request) {
        const auto ticket = ahead.claim(position, request);
        extractor.answerWaiting();
        EXPECT_TRUE(extractor.isFinished(ticket));
        return extractor.take(ticket).text;
    }
    FakeExtractor extractor;
};

} // namespace

TEST_F(LookaheadFake, SendsAheadAsDeepAsToldAndEachFileOnce) {
    extractor.answerAtOnce = false;
    extractor.parallel = 2;
    Lookahead ahead(extractor, corvander::lookaheadDepth(extractor));
    for (int position = 1; position <= 10; ++position) {
        ahead.fill(position, 10, wholeText);
        EXPECT_EQ(claimedText(ahead, position, *wholeText(position)), fileAt(position).toUtf8());
    }
    // The first fill sent four (twice the two workers); each later one the one more that fits.
    EXPECT_EQ(extractor.sent().size(), 10);
    EXPECT_TRUE(extractor.dropped().isEmpty());
}

TEST_F(LookaheadFake, ARequestChangedSinceItWasSentIsAskedAgainAndTheOldOneWithdrawn) {
    Lookahead ahead(extractor, 4);
    ahead.fill(1, 10, wholeText);
    ASSERT_EQ(extractor.sent().size(), 4);
    // The mode changed to the second page's words after the files were sent ahead.
    const auto pageTwo = [](int position) -> std::optional<ExtractRequest> {
        return ExtractRequest::pageText(fileAt(position), 2);
    };
    EXPECT_EQ(claimedText(ahead, 1, *pageTwo(1)), "page two of " + fileAt(1).toUtf8());
    ahead.fill(2, 10, pageTwo);
    EXPECT_EQ(claimedText(ahead, 2, *pageTwo(2)), "page two of " + fileAt(2).toUtf8());
    // Files 1 to 4 went twice; 5 once, with the new request.
    EXPECT_EQ(extractor.sent().size(), 9);
    EXPECT_EQ(extractor.sent().last(), *pageTwo(5));
    EXPECT_EQ(extractor.dropped().size(), 4);
}

TEST_F(LookaheadFake, FilesThatNeedNoExtractionAreSkippedAndTheRestWithdrawnAtTheEnd) {
    {
        Lookahead ahead(extractor, 4);
        ahead.fill(1, 10, [](int position) -> std::optional<ExtractRequest> {
            if (position % 2 == 0)
                return std::nullopt;
            return ExtractRequest::wholeText(fileAt(position));
        });
        EXPECT_EQ(extractor.sent().size(), 2);
        EXPECT_EQ(ahead.heldBytes(), fileAt(1).size() + fileAt(3).size());
    }
    // Nothing was claimed: both answers are withdrawn with the look-ahead.
    EXPECT_EQ(extractor.dropped().size(), 2);
}

TEST_F(LookaheadFake, AnswersHeldStayWithinTheBudgetButTheCurrentFileAlwaysGoes) {
    extractor.answerAtOnce = false;
    Lookahead ahead(extractor, 8, 1000);
    ahead.fill(1, 10, wholeText);
    // A long answer is expected of a file not yet read: only the file whose turn it is goes.
    EXPECT_EQ(extractor.sent().size(), 1);
    EXPECT_EQ(claimedText(ahead, 1, *wholeText(1)), fileAt(1).toUtf8());
    ahead.fill(2, 10, wholeText);
    EXPECT_EQ(extractor.sent().size(), 2);
}

TEST_F(LookaheadFake, AFileWithoutAnAnswerEndsAsAFailedReadingNotAHang) {
    Lookahead ahead(extractor, 2);
    const ExtractRequest unknown = ExtractRequest::wholeText(QStringLiteral("/docs/missing.pdf"));
    const auto ticket = ahead.claim(1, unknown);
    ASSERT_TRUE(extractor.isFinished(ticket));
    EXPECT_FALSE(extractor.take(ticket).hasText());
}

} // namespace corvander
