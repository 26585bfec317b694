#pragma once

#include "extract/ocr_settings.h"
#include "naming/rules/naming_rule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvander {

class FileListView;
class RenameControls;

// The family chosen and what each family is given: the option buttons, Combo1, the format box and
// the template box as they stood, or the command line's options.
struct RuleChoice {
    // Nothing when no family is chosen.
    std::optional<Family> family;
    // Rename by content: Combo1's index, -1 without a mode.
    int mode = -1;
    // Rename by metadata.
    QString format;
    // Rename by template.
    QStringList templates;
    QString dateOrder;

    bool operator==(const RuleChoice&) const = default;
};

// The choices the controls show now.
RuleChoice choiceOf(const RenameControls& controls);

// Everything a run is given by the one who starts it, taken once before it starts. The run
// reads nothing else from its starter, except the rule choice of a window that lets it change
// during the run (see RunPorts::liveChoice).
struct RunRequest {
    // The files, in the order they are copied.
    QStringList files;
    RuleChoice rule;
    // The rule's answers; without them the run asks the rule's prompts when it starts.
    std::optional<RunParameters> answers;
    // Absolute; see runFolderPath.
    QString resultsFolder;
    // Without a password given, the run asks for one when it starts if this is set.
    bool askForPassword = false;
    std::optional<QString> password;
    // How pages without words are read; without it the extractor's settings stay.
    std::optional<OcrSettings> ocr;
};

// What keeps a request from starting, each told by its own message.
enum class RequestProblem { NoFiles, NoFolder, NoMode };

// Every problem of the request, in the order the window tells them.
QList<RequestProblem> problemsOf(const RunRequest& request);

// The window's message for a problem.
QString windowMessage(RequestProblem problem);

// The results folder as a run, its journal and its copies name it: a relative path is taken from
// the current folder now, so that an undo from elsewhere finds the same files; an absolute one is
// kept as written, its ending separator or not.
QString runFolderPath(const QString& folder);

// The request of a window: its list, its choices and its results folder as they stand now.
RunRequest windowRequest(const FileListView& list, const RenameControls& controls);

} // namespace corvander
