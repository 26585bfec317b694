// The run itself over an extractor that answers from the recorded worker answers: what it asks,
// in what order, and how every file ends, with no worker and no window.
#include "common/event_loop_waiter.h"
#include "naming/rules/naming_rules.h"
#include "run/rename_run.h"
#include "tests/run/fast/recorded_cases.h"
#include "tests/run/fast/recorded_run_ports.h"
#include "tests/support/fake_extractor.h"
#include "tests/support/recorded_answers.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

class RunOnRecorded : public ::testing::Test {
protected:
    RunOnRecorded() : recorded(RecordedAnswers::load(QStringLiteral(CORVANDER_RECORDED_ANSWERS))) {
        for (const QString& name : recorded.fileNames())
            ports.entries << QDir(QStringLiteral(CORVANDER_SAMPLES)).filePath(name);
        ports.entries.sort();
        ports.folder = results.path();
        extractor.answerer = [this](const ExtractRequest& request) {
            return recorded.answer(request);
        };
    }

    // Runs with the answers the options give, as the command line runs; the outcome of each
    // file by list position.
    QStringList run(const OptionValues& options, bool preview) {
        plan.parameters = {};
        const NamingRule* rule = ruleChosenBy(options, plan.parameters);
        EXPECT_NE(rule, nullptr);
        ports.family = rule->family();
        ports.mode = comboIndexOf(rule->id());
        ports.parameters = plan.parameters;
        QStringList outcomes(ports.entries.size());
        RunOptions runOptions;
        runOptions.plan = &plan;
        runOptions.preview = preview;
        runOptions.journal = false;
        runOptions.fileDone = [&outcomes](int position, const FileOutcome& outcome) {
            outcomes[position - 1] = outcome.copied() || outcome.plan.copies()
                                         ? outcome.plan.name
                                         : QStringLiteral("skipped: ") + outcome.skipText();
        };
        const RenameRunPorts runPorts{
            ports,
            ports,
            ports,
            ports,
            ports,
            extractor,
            waiter,
            {QStringLiteral("test"), QStringLiteral("content"), QStringLiteral("metadata")}};
        bool running = false;
        RunRenaming(runPorts, running, runOptions);
        EXPECT_FALSE(running);
        return outcomes;
    }

    RecordedAnswers recorded;
    QTemporaryDir results;
    RecordedRunPorts ports;
    FakeExtractor extractor;
    EventLoopWaiter waiter;
    RunPlan plan;
};

TEST_F(RunOnRecorded, APreviewOfEveryRuleEndsEachFileAsTheProgramDoesWithOneRequestEach) {
    for (const RecordedCase& given : recordedCases()) {
        const qsizetype sentBefore = extractor.sent().size();
        const bool readsNothing =
            given.options.value(QStringLiteral("--format"), QStringLiteral("x")).isEmpty();
        EXPECT_EQ(run(given.options, true), given.outcomes);
        EXPECT_EQ(extractor.sent().size() - sentBefore, readsNothing ? 0 : 4);
        const QStringList shown = ports.messages + ports.prompts;
        EXPECT_TRUE(shown.isEmpty()) << shown.join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(ports.busy);
    }
    EXPECT_TRUE(QDir(results.path()).isEmpty());
}

TEST_F(RunOnRecorded, ARunCopiesUnderThePreviewedNamesAndMarksATakenName) {
    const OptionValues options{{QStringLiteral("--word-numbers"), QStringLiteral("2,3")}};
    const QStringList previewed = run(options, true);
    EXPECT_EQ(run(options, false), previewed);
    EXPECT_EQ(run(options, false), previewed);
    QStringList expected;
    for (const QString& name : previewed)
        expected << name + QStringLiteral(".pdf") << name + QStringLiteral("!.pdf");
    expected.sort();
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files, QDir::Name), expected);
}

} // namespace

} // namespace corvander
