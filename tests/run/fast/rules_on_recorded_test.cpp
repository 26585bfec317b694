// Every naming rule, chosen as the command line chooses it, planned from the worker's recorded
// answers for the shipped samples: the names and reasons must be those of the real program.
#include "naming/file_planner.h"
#include "run/current_rule.h"
#include "tests/run/fast/recorded_cases.h"
#include "tests/run/fast/recorded_run_ports.h"
#include "tests/support/recorded_answers.h"

#include <QDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

const QString kSamples = QStringLiteral(CORVANDER_SAMPLES);

QStringList samplePaths() {
    QStringList paths;
    for (const QString& name :
         RecordedAnswers::load(QStringLiteral(CORVANDER_RECORDED_ANSWERS)).fileNames())
        paths << QDir(kSamples).filePath(name);
    paths.sort();
    return paths;
}

QString outcomeOf(const PlannedFile& plan) {
    return plan.copies() ? plan.name : QStringLiteral("skipped: ") + plan.skipText();
}

QString describe(const OptionValues& options) {
    QStringList words;
    for (auto option = options.cbegin(); option != options.cend(); ++option)
        words << option.key() << QLatin1Char('"') + option.value() + QLatin1Char('"');
    return words.join(QLatin1Char(' '));
}

TEST(RulesOnRecordedAnswers, EveryRuleNamesTheSamplesAsTheProgramDoes) {
    const RecordedAnswers recorded =
        RecordedAnswers::load(QStringLiteral(CORVANDER_RECORDED_ANSWERS));
    const QStringList paths = samplePaths();
    ASSERT_EQ(paths.size(), 4);
    for (const RecordedCase& given : recordedCases()) {
        SCOPED_TRACE(describe(given.options).toStdString());
        RecordedRunPorts controls;
        const NamingRule* rule = ruleChosenBy(given.options, controls.parameters);
        ASSERT_NE(rule, nullptr);
        controls.family = rule->family();
        const RuleArguments arguments = argumentsNow(rule, controls.parameters, choiceOf(controls));
        QStringList outcomes;
        for (const QString& path : paths) {
            const std::optional<ExtractRequest> request = requestFor(rule, path, arguments);
            std::optional<ExtractResult> answer;
            if (request) {
                answer = recorded.answer(*request);
                ASSERT_TRUE(answer.has_value()) << path.toStdString();
            }
            outcomes << outcomeOf(planFor(rule, path, arguments, answer));
        }
        EXPECT_EQ(outcomes, given.outcomes);
    }
}

// The early stop leaves the answers alone: the rule's reading of the first page's text is the one
// that names the file, so a document read only up to what the rule needs names it alike.
TEST(RulesOnRecordedAnswers, AFirstPageAloneNamesAsTheWholeTextWhereItHoldsTheWords) {
    const RecordedAnswers recorded =
        RecordedAnswers::load(QStringLiteral(CORVANDER_RECORDED_ANSWERS));
    RecordedRunPorts controls;
    const NamingRule* rule =
        ruleChosenBy({{QStringLiteral("--words"), QStringLiteral("5")}}, controls.parameters);
    ASSERT_NE(rule, nullptr);
    const RuleArguments arguments = argumentsNow(rule, controls.parameters, choiceOf(controls));
    for (const QString& path : samplePaths()) {
        const std::optional<ExtractResult> whole = recorded.answer(ExtractRequest::wholeText(path));
        std::optional<ExtractResult> firstPage = recorded.answer(ExtractRequest::pageText(path, 1));
        ASSERT_TRUE(whole && firstPage);
        firstPage->pageCount = whole->pageCount;
        EXPECT_EQ(outcomeOf(planFor(rule, path, arguments, whole)),
                  outcomeOf(planFor(rule, path, arguments, firstPage)))
            << path.toStdString();
    }
}

} // namespace

} // namespace corvander
