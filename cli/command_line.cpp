#include "cli/command_line.h"

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/help_text.h"
#include "cli/terminal_progress.h"
#include "cli/unknown_command.h"
#include "common/app_title.h"
#include "common/translations.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>

namespace corvander {

namespace {

int printHelp(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitAllDone : kExitSomeNotDone;
}

int usageError(const QString& command, const QString& problem) {
    tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                   "%1: %2\nTry \"corvander %1 --help\".")
                           .arg(command, problem));
    return kExitUsage;
}

} // namespace

bool isCommandLine(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    return commandNames().contains(QString::fromLatin1(argv[1]), Qt::CaseSensitive);
}

int runCommandLine(int argc, char* argv[]) {
    // The raw bytes, before Qt sees them: a file's name need not be UTF-8.
    const QString command = QString::fromLatin1(argv[1]);
    QList<QByteArray> arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QByteArray(argv[i]);

    // A reader that goes away is seen as a failed write, so that a command can end in its own
    // way (its workers and its journal first) instead of being killed in the middle of a line.
    std::signal(SIGPIPE, SIG_IGN);
    // A core application only: no display is needed, and none is opened.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QCoreApplication application(qtArgc, qtArgv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kProductName));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANDER_VERSION));
    const Translations translations;

    const bool rename = command == QLatin1String("rename");
    const bool undo = command == QLatin1String("undo");
    const bool watch = command == QLatin1String("watch");
    const bool learn = command == QLatin1String("learn");
    try {
        const CommandArguments parsed = parseArguments(command, arguments);
        if (parsed.help)
            return printHelp(rename  ? renameHelp()
                             : undo  ? undoHelp()
                             : watch ? watchHelp()
                             : learn ? learnHelp()
                                     : checkHelp());
        if (undo)
            return runUndoCommand(parsed);
        if (watch)
            return runWatchCommand(parsed);
        if (learn)
            return runLearnCommand(parsed);
        return rename ? runRenameCommand(parsed) : runCheckCommand(parsed);
    } catch (const UsageError& error) {
        return usageError(command, error.problem());
    }
}

QString commandsHelp() {
    return QCoreApplication::translate(
        "corvander::CommandsHelp",
        "Commands (no window, no display needed; \"corvander COMMAND --help\" tells more):\n"
        "  corvander rename FAMILY [options] --to DIR PATH...\n"
        "                 copy PDF files into DIR under names from their text or metadata\n"
        "  corvander check [options] PATH...\n"
        "                 tell which PDF files have text to rename by\n"
        "  corvander undo [options] [JOURNAL]\n"
        "                 remove the copies of the last run again, or of the run of JOURNAL\n"
        "  corvander watch FAMILY [options] --to DIR INBOX...\n"
        "                 name every PDF file arriving in the INBOX folders into DIR\n"
        "  corvander learn [options] FILE=NAME...\n"
        "                 write the name template that names FILE as NAME, and its kind alike\n"
        "\n");
}

} // namespace corvander
