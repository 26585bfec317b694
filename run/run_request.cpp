#include "run/run_request.h"

#include "common/path_helpers.h"
#include "common/window_port.h"

#include <QCoreApplication>
#include <QDir>

namespace corvander {

RuleChoice choiceOf(const RenameControls& controls) {
    RuleChoice choice;
    if (controls.contentSelected())
        choice.family = Family::Content;
    else if (controls.metadataSelected())
        choice.family = Family::Metadata;
    else if (controls.templateSelected())
        choice.family = Family::Template;
    choice.mode = controls.modeIndex();
    choice.format = controls.nameFormat();
    choice.templates = controls.templateLines();
    choice.dateOrder = controls.dateOrder();
    return choice;
}

QList<RequestProblem> problemsOf(const RunRequest& request) {
    QList<RequestProblem> problems;
    if (request.files.isEmpty())
        problems << RequestProblem::NoFiles;
    if (!IsDirectory(request.resultsFolder))
        problems << RequestProblem::NoFolder;
    // Without a mode no file could be renamed by content, and every one would be reported as
    // unreadable.
    if (request.rule.family == Family::Content && request.rule.mode < 0)
        problems << RequestProblem::NoMode;
    return problems;
}

QString windowMessage(RequestProblem problem) {
    switch (problem) {
    case RequestProblem::NoFiles:
        return QCoreApplication::translate("corvander::RenameRun", "No files added.");
    case RequestProblem::NoFolder:
        return QCoreApplication::translate("corvander::RenameRun",
                                           "Folder does not exist. Please select another folder.");
    case RequestProblem::NoMode:
        return QCoreApplication::translate("corvander::RenameRun",
                                           "Please choose a rename mode first.");
    }
    return {};
}

QString runFolderPath(const QString& folder) {
    if (folder.isEmpty() || QDir::isAbsolutePath(folder))
        return folder;
    return QDir::current().absoluteFilePath(folder);
}

RunRequest windowRequest(const FileListView& list, const RenameControls& controls) {
    RunRequest request;
    request.files.reserve(list.entryCount());
    for (int position = 1; position <= list.entryCount(); ++position)
        request.files << list.entryText(position);
    request.rule = choiceOf(controls);
    request.resultsFolder = runFolderPath(controls.resultsFolder());
    request.askForPassword = controls.asksForPassword();
    return request;
}

} // namespace corvander
