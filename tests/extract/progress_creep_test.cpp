#include "extract/waiting_progress.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace corvander {

namespace {

struct CreepCase {
    int fileCount;
    int startValue;
    int counter;
    int expected;
};

void PrintTo(const CreepCase& c, std::ostream* os) {
    *os << "files " << c.fileCount << ", start " << c.startValue << ", pass " << c.counter;
}

class CreepTest : public ::testing::TestWithParam<CreepCase> {};

TEST_P(CreepTest, ValueAtPass) {
    const CreepCase c = GetParam();
    EXPECT_EQ(creepValue(c.counter, c.startValue, c.fileCount), c.expected)
        << "fileCount " << c.fileCount << ", startValue " << c.startValue << ", pass " << c.counter;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreepTest,
    ::testing::Values(
        // Four files from 25: step 2, limit 48.
        CreepCase{4, 25, 50, 25}, CreepCase{4, 25, 200, 27}, CreepCase{4, 25, 350, 29},
        CreepCase{4, 25, 50 + 150 * 11, 47}, CreepCase{4, 25, 50 + 150 * 12, 48},
        CreepCase{4, 25, 50 + 150 * 40, 48},
        // No count from 0: steps of 10 up to 90.
        CreepCase{0, 0, 50, 0}, CreepCase{0, 0, 200, 10}, CreepCase{0, 0, 350, 20},
        CreepCase{0, 0, 50 + 150 * 9, 90}, CreepCase{0, 0, 50 + 150 * 10, 90},
        CreepCase{0, 0, 50 + 150 * 30, 90},
        // No count from 40: step 6, limit 94.
        CreepCase{0, 40, 200, 46}, CreepCase{0, 40, 50 + 150 * 20, 94},
        // 19 files: step 1 (0.53 rounds up); limit 5.26 + 30 - 1 rounds to 34.
        CreepCase{19, 30, 50, 30}, CreepCase{19, 30, 200, 31}, CreepCase{19, 30, 350, 32},
        CreepCase{19, 30, 50 + 150 * 10, 34},
        // 20 files: 0.5 rounds to the even 0; 25 files: 0.4. The value stays put.
        CreepCase{20, 30, 50, 30}, CreepCase{20, 30, 200, 30}, CreepCase{20, 30, 50 + 150 * 9, 30},
        CreepCase{25, 60, 200, 60}, CreepCase{25, 60, 50 + 150 * 9, 60}),
    [](const ::testing::TestParamInfo<CreepCase>& info) {
        return "files" + std::to_string(info.param.fileCount) + "_start" +
               std::to_string(info.param.startValue) + "_pass" + std::to_string(info.param.counter);
    });

TEST(CreepPass, EveryHundredFiftyPassesFromFifty) {
    EXPECT_FALSE(isCreepPass(0));
    EXPECT_FALSE(isCreepPass(49));
    EXPECT_TRUE(isCreepPass(50));
    EXPECT_FALSE(isCreepPass(51));
    EXPECT_FALSE(isCreepPass(199));
    EXPECT_TRUE(isCreepPass(200));
    EXPECT_TRUE(isCreepPass(350));
}

TEST(WaitingText, CountsFromPassFifty) {
    const QString base = QStringLiteral("Processing: a.pdf");
    EXPECT_EQ(waitingText(52, base), QStringLiteral("Processing: a.pdf, Please wait.. 2"));
    EXPECT_EQ(waitingText(52, QString()), QStringLiteral("Please wait.. 2"));
    EXPECT_EQ(waitingText(50, QString()), QStringLiteral("Please wait.. 0"));
    EXPECT_EQ(waitingText(1234, base), QStringLiteral("Processing: a.pdf, Please wait.. 1184"));
}

} // namespace

} // namespace corvander
