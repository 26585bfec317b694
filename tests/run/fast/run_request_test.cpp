// A run is given one request, checked once by its starter, and reads nothing more of the starter
// than a window's rule choice, at the one place that reads it again.
#include "common/event_loop_waiter.h"
#include "naming/rules/naming_rules.h"
#include "run/rename_run.h"
#include "tests/run/fast/recorded_run_ports.h"
#include "tests/support/fake_extractor.h"
#include "tests/support/recorded_answers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

TEST(RunRequestCheck, EveryProblemIsFoundInTheOrderTheWindowTellsThem) {
    RunRequest request;
    request.rule.family = Family::Content;
    request.resultsFolder = QStringLiteral("/no/such/folder");
    EXPECT_EQ(problemsOf(request),
              (QList<RequestProblem>{RequestProblem::NoFiles, RequestProblem::NoFolder,
                                     RequestProblem::NoMode}));
    EXPECT_EQ(windowMessage(RequestProblem::NoFolder),
              QStringLiteral("Folder does not exist. Please select another folder."));

    // A mode matters to content alone; a folder and files leave nothing to tell.
    QTemporaryDir folder;
    request.files = {QStringLiteral("a.pdf")};
    request.resultsFolder = folder.path();
    request.rule.family = Family::Metadata;
    EXPECT_TRUE(problemsOf(request).isEmpty());
    request.rule.family = Family::Content;
    request.rule.mode = 0;
    EXPECT_TRUE(problemsOf(request).isEmpty());
}

TEST(RunRequestCheck, ARelativeFolderIsMadeAbsoluteOnceAndAnAbsoluteOneKeptAsWritten) {
    EXPECT_EQ(runFolderPath(QStringLiteral("named")),
              QDir::current().filePath(QStringLiteral("named")));
    EXPECT_EQ(runFolderPath(QStringLiteral("/srv/named/")), QStringLiteral("/srv/named/"));
    EXPECT_EQ(runFolderPath(QString()), QString());
}

class RunOfARequest : public ::testing::Test {
protected:
    RunOfARequest() : recorded(RecordedAnswers::load(QStringLiteral(CORVANDER_RECORDED_ANSWERS))) {
        const QDir samples(QStringLiteral(CORVANDER_SAMPLES));
        for (const char* name : {"document.pdf", "report_final_v2.pdf", "untitled.pdf"})
            window.entries << samples.filePath(QLatin1String(name));
        window.folder = results.path();
        window.family = Family::Content;
        window.mode = 0;
        extractor.answerer = [this](const ExtractRequest& request) {
            return recorded.answer(request);
        };
    }

    // Runs the request; the name (or "skipped") of each file, in the order the run told them.
    QStringList run(RunRequest request, const RenameControls* liveChoice,
                    const std::function<void(int)>& afterFile = {}) {
        QStringList names;
        RunOptions options;
        options.journal = false;
        options.fileDone = [&](int position, const FileOutcome& outcome) {
            names << (outcome.copied() ? outcome.fileName : QStringLiteral("skipped"));
            if (afterFile)
                afterFile(position);
        };
        const RunPorts ports{
            window,
            window,
            window,
            extractor,
            waiter,
            {QStringLiteral("test"), QStringLiteral("content"), QStringLiteral("metadata")},
            liveChoice};
        bool running = false;
        RunRenaming(std::move(request), ports, running, options);
        return names;
    }

    RecordedAnswers recorded;
    QTemporaryDir results;
    RecordedRunPorts window;
    FakeExtractor extractor;
    EventLoopWaiter waiter;
};

TEST_F(RunOfARequest, TheFilesAndRuleAreThoseOfTheRequestWhateverTheStarterShowsLater) {
    RunRequest request = windowRequest(window, window);
    request.answers.emplace().first = QStringLiteral("2");
    // The window changes after the request was made: neither its list nor its mode reaches
    // a run that does not follow its choices.
    window.entries.removeLast();
    window.mode = 2;
    EXPECT_EQ(run(request, nullptr),
              (QStringList{"Jonas Weller.pdf", "Water Quality.pdf", "Minutes of.pdf"}));
    EXPECT_TRUE(window.prompts.isEmpty());
}

TEST_F(RunOfARequest, AWindowsModeChangedDuringTheRunNamesTheFilesThatFollow) {
    RunRequest request = windowRequest(window, window);
    request.answers.emplace().first = QStringLiteral("2");
    // After the first file the user picks "last page": the answers stay, the rule changes.
    const QStringList names = run(request, &window, [this](int position) {
        if (position == 1)
            window.mode = comboIndexOf(RuleId::LastPageWords);
    });
    ASSERT_EQ(names.size(), 3);
    EXPECT_EQ(names.first(), QStringLiteral("Jonas Weller.pdf"));
    EXPECT_EQ(names.at(1), QStringLiteral("Conclusions The.pdf"));
}

} // namespace

} // namespace corvander
