#include "rename/rename_run.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "common/vb_convert.h"
#include "common/window_port.h"
#include "extract/extractor_tools.h"
#include "rename/leftovers.h"
#include "rename/rename_by_content.h"
#include "rename/rename_by_metadata.h"
#include "rename/rename_context.h"
#include "rename/run_parameters.h"

#include <QCoreApplication>

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
    TrappedProcedure proc(ports.dialogs, QStringLiteral("Form1.PushButton2_Click"));
    bool stop = false;
    proc.at(102, [&] {
        if (ports.list.entryCount() == 0) {
            stop = true;
            ports.dialogs.showMessage(QStringLiteral("No files added."));
        }
    });
    if (stop)
        return;
    proc.at(104, [&] {
        if (!IsDirectory(ports.controls.resultsFolder())) {
            stop = true;
            ports.dialogs.showMessage(
                QStringLiteral("Folder does not exist. Please select another folder."));
        }
    });
    if (stop)
        return;
    // Without a mode no file could be renamed by content, and every one would be reported as
    // unreadable.
    if (ports.controls.contentSelected() && ports.controls.modeIndex() < 0) {
        ports.dialogs.showMessage(QStringLiteral("Please choose a rename mode first."));
        return;
    }
    corvander::removeLeftovers(ports.controls.resultsFolder());

    QString skippedList;
    RenameContext context{ports.dialogs,    ports.progress,  ports.list, ports.controls,
                          ports.workFolder, ports.pdftotext, QString()};
    RunParameters parameters;
    int count = 0;
    proc.at(106, [&] { ports.busy.setBusy(true); });
    proc.at(108, [&] { context.pdfinfo = DeployTool(QStringLiteral("pdfinfo")); });
    proc.at(110, [&] {
        if (ports.controls.contentSelected())
            parameters = collectRunParameters(ports.dialogs, ports.controls.modeIndex());
    });
    proc.at(112, [&] { count = ports.list.entryCount(); });
    for (int i = 1; i <= count; ++i) {
        QString path;
        bool skipped = true;
        proc.at(114, [&] { path = ports.list.entryText(i); });
        proc.at(116,
                [&] { ports.progress.setProgressValue(percentDone(i, ports.list.entryCount())); });
        proc.at(118, [&] {
            ports.progress.setProgressText(QStringLiteral("Processing: ") + FileNameOf(path));
        });
        proc.at(120, [&] { QCoreApplication::processEvents(); });
        proc.at(122, [&] { ports.busy.setBusy(true); });
        // A number that does not fit fails here, is reported, and leaves the file skipped.
        proc.at(124, [&] { skipped = renameOne(context, parameters, path); });
        proc.at(126, [&] {
            if (skipped)
                skippedList += QStringLiteral("\r\n") + path;
        });
        proc.at(128, [&] { ports.busy.setBusy(true); });
    }
    proc.at(130, [&] {
        if (!trimBlanks(skippedList).isEmpty())
            skippedList.prepend(QStringLiteral(
                "\r\nThe following files were skipped because they could not be read or renamed:"));
    });
    proc.at(132, [&] { ports.busy.setBusy(false); });
    proc.at(134, [&] {
        ports.progress.setProgressValue(0);
        ports.progress.setProgressText(QStringLiteral("Progress Bar"));
    });
    proc.at(136, [&] { ports.dialogs.showMessage(QStringLiteral("Done.") + skippedList); });
}
