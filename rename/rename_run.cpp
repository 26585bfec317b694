#include "rename/rename_run.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "common/vb_convert.h"
#include "common/waiter.h"
#include "common/window_port.h"
#include "extract/lookahead.h"
#include "extract/waiting_progress.h"
#include "rename/rename_by_content.h"
#include "rename/rename_by_metadata.h"
#include "rename/repeated_reports.h"
#include "rename/run_parameters.h"

using corvander::ExtractRequest;
using corvander::ExtractResult;

namespace {

// Clears the run flag however the run ends.
class RunFlag {
public:
    explicit RunFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;
    ~RunFlag() { m_flag = false; }

private:
    bool& m_flag;
};

int percentDone(int done, int count) {
    return count > 0 ? int(qint64(done) * 100 / count) : 0;
}

// The extraction a file will need if the family and mode stay as they are now; nothing when it
// needs none, or when its arguments cannot be worked out (that is reported at its turn).
std::optional<ExtractRequest> expectedRequest(const RenameControls& controls,
                                              const RunParameters& parameters,
                                              const QString& path) {
    if (controls.contentSelected()) {
        const int mode = controls.modeIndex();
        const FileArguments arguments = fileArgumentsFor(mode, parameters);
        try {
            return contentRequest(mode, path, toInt32(arguments.page), arguments.wordList,
                                  arguments.searchText);
        } catch (const AppError&) {
            return std::nullopt;
        }
    }
    if (controls.metadataSelected() && !trimBlanks(controls.nameFormat()).isEmpty())
        return ExtractRequest::information(path);
    return std::nullopt;
}

// One file by the family selected now; true when the file goes on the skipped list.
bool renameOne(const RenameContext& context, const RunParameters& parameters, const QString& path) {
    if (context.controls.contentSelected()) {
        const FileArguments arguments = fileArgumentsFor(context.controls.modeIndex(), parameters);
        return !RenameFile(context, path, toInt32(arguments.count), toInt32(arguments.page),
                           arguments.wordList, arguments.searchText);
    }
    if (context.controls.metadataSelected())
        return !RenameMeta(context, path, context.controls.nameFormat());
    return false;
}

} // namespace

void RunRenaming(const RenameRunPorts& ports, bool& runInProgress) {
    if (runInProgress)
        return;
    const RunFlag flag(runInProgress);
    // One box for each kind of error; its repeats are counted in the last message.
    RepeatedReports dialogs(ports.dialogs);
    TrappedProcedure proc(dialogs, ports.labels.run);
    bool stop = false;
    proc.at(102, [&] {
        if (ports.list.entryCount() == 0) {
            stop = true;
            dialogs.showMessage(QStringLiteral("No files added."));
        }
    });
    if (stop)
        return;
    proc.at(104, [&] {
        if (!IsDirectory(ports.controls.resultsFolder())) {
            stop = true;
            dialogs.showMessage(
                QStringLiteral("Folder does not exist. Please select another folder."));
        }
    });
    if (stop)
        return;

    QString skippedList;
    RunParameters parameters;
    QString password;
    int count = 0;
    int position = 0;
    corvander::Lookahead ahead(ports.pool, corvander::lookaheadDepth(ports.pool));
    // Every extraction of the run carries its password; documents without one ignore it.
    const auto requestFor = [&](int at) {
        std::optional<ExtractRequest> request =
            expectedRequest(ports.controls, parameters, ports.list.entryText(at));
        if (request)
            request->password = password;
        return request;
    };
    const auto extract = [&](ExtractRequest request, bool showProgress) {
        request.password = password;
        const corvander::ExtractionPool::Ticket ticket = ahead.claim(position, request);
        if (!showProgress)
            return corvander::waitForResult(ports.pool, ports.waiter, ticket);
        corvander::WaitingProgress progress(&ports.progress, ports.progress.progressText(),
                                            ports.progress.progressValue(),
                                            ports.list.entryCount());
        return corvander::waitForResult(ports.pool, ports.waiter, ticket, &progress);
    };
    const RenameContext context{dialogs,      ports.progress, ports.list, ports.controls,
                                ports.labels, extract,        nullptr,    {}};
    proc.at(106, [&] { ports.busy.setBusy(true); });
    proc.step([&] {
        if (!ports.controls.contentSelected())
            return;
        const std::optional<RunParameters> answers =
            collectRunParameters(dialogs, ports.controls.modeIndex());
        if (answers)
            parameters = *answers;
        else
            stop = true;
    });
    proc.step([&] {
        if (stop || !ports.controls.asksForPassword())
            return;
        const std::optional<QString> answer =
            dialogs.askText(QStringLiteral("Password for protected PDF files:"), {}, {}, true);
        if (answer)
            password = *answer;
        else
            stop = true;
    });
    // A prompt left with Cancel ends the run here, before any file is touched.
    if (stop) {
        proc.step([&] { ports.busy.setBusy(false); });
        return;
    }
    proc.step([&] { count = ports.list.entryCount(); });
    for (position = 1; position <= count; ++position) {
        QString path;
        bool skipped = true;
        proc.at(114, [&] { path = ports.list.entryText(position); });
        // The workers go on with the next files while this one is worked out.
        proc.step([&] { ahead.fill(position, count, requestFor); });
        proc.step([&] {
            ports.progress.setProgressValue(percentDone(position, ports.list.entryCount()));
        });
        proc.step([&] {
            ports.progress.setProgressText(QStringLiteral("Processing: ") + FileNameOf(path));
        });
        proc.step([&] { ports.waiter.yieldOnce(); });
        proc.step([&] { ports.busy.setBusy(true); });
        // A number that does not fit fails here, is reported, and leaves the file skipped.
        proc.step([&] { skipped = renameOne(context, parameters, path); });
        proc.step([&] {
            const QString failure = ports.pool.takeStartFailure();
            if (!failure.isEmpty())
                raiseError(failure);
        });
        proc.step([&] {
            if (skipped)
                skippedList += QStringLiteral("\r\n") + path;
        });
        proc.step([&] { ports.busy.setBusy(true); });
    }
    proc.at(134, [&] {
        ahead.dropAll();
        if (!trimBlanks(skippedList).isEmpty())
            skippedList.prepend(QStringLiteral(
                "\r\nThe following files were skipped because they could not be read or renamed:"));
    });
    proc.step([&] { ports.busy.setBusy(false); });
    proc.step([&] {
        ports.progress.setProgressValue(0);
        ports.progress.setProgressText(QStringLiteral("Progress Bar"));
    });
    proc.step(
        [&] { dialogs.showMessage(QStringLiteral("Done.") + skippedList + dialogs.summary()); });
}
