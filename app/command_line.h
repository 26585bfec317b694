#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace corvander {

// What the command line asks for. Qt's own options (-platform, -style, ...) pass through to Qt.
struct CommandLine {
    enum class Action { OpenWindow, ShowHelp, ShowVersion, RefuseOption };
    Action action = Action::OpenWindow;
    // Files and folders to add once the window is up, as given.
    QStringList paths;
    // The option that was not understood.
    QString refused;
};

// The arguments without the program's name. Read left to right: the first information or unknown
// option decides; "--" ends the options, so a file may start with "-".
CommandLine parseCommandLine(const QStringList& arguments);

// The one-line summary of the command line, to be translated in the context
// "corvander::CommandLine".
inline constexpr char kUsageLine[] = QT_TRANSLATE_NOOP(
    "corvander::CommandLine", "Usage: corvander [--help | --version] [FILE | FOLDER]...");

} // namespace corvander
