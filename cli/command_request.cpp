#include "cli/command_request.h"

#include "cli/exit_status.h"
#include "cli/terminal_progress.h"

#include <QCoreApplication>
#include <QDir>

namespace corvander {

RunRequest commandRequest(const RenameSettings& settings, const QString& password,
                          const QStringList& files) {
    RunRequest request;
    request.files = files;
    if (settings.metadata) {
        request.rule.family = Family::Metadata;
        request.rule.format = settings.format;
    } else if (settings.rule == RuleId::Template) {
        request.rule.family = Family::Template;
        request.rule.templates = settings.parameters.templates;
        request.rule.dateOrder = settings.parameters.dateOrder;
    } else {
        request.rule.family = Family::Content;
        request.rule.mode = settings.mode;
    }
    request.answers = settings.parameters;
    // The journal names each copy by the folder's path: a relative one would send an undo from
    // another working folder (or the window's) to other files.
    request.resultsFolder = QDir(settings.resultsFolder).absolutePath();
    request.password = password;
    return request;
}

std::optional<int> tellProblems(const RenameSettings& settings, const RunRequest& request,
                                FilesNeeded files) {
    std::optional<int> status;
    for (const RequestProblem problem : problemsOf(request)) {
        if (problem == RequestProblem::NoFiles && files == FilesNeeded::No)
            continue;
        switch (problem) {
        case RequestProblem::NoFolder:
            tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                           "the results folder %1 does not exist")
                                   .arg(settings.resultsFolder));
            status = kExitCannotStart;
            break;
        case RequestProblem::NoFiles:
            tellError(nullptr,
                      QCoreApplication::translate("corvander::CommandLine", "no files to rename"));
            status = status.value_or(kExitAllDone);
            break;
        case RequestProblem::NoMode:
            tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                           "no rename mode given"));
            status = kExitCannotStart;
            break;
        }
    }
    return status;
}

} // namespace corvander
