#include "app/command_line.h"
#include "app/form1.h"
#include "app/graphical_session.h"
#include "app/qt_dialogs.h"
#include "app/shutdown_signals.h"
#include "cli/command_line.h"
#include "cli/output_fields.h"
#include "cli/terminal_progress.h"
#include "cli/unknown_command.h"
#include "common/app_title.h"
#include "common/settings_store.h"
#include "common/translations.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace corvander {

namespace {
void printHelp() {
    const QString settingsFile = SettingsStore::defaultFilePath();
    const QString help =
        QCoreApplication::translate(
            "corvander::ProgramHelp",
            "%1\n"
            "\n"
            "%2 copies many PDF files at once under new names taken from each\n"
            "file's own text (\"rename by content\") or from its document information\n"
            "(\"rename by metadata\"). The source files are never changed; the renamed\n"
            "copies go into a results folder. Started without options, it opens its window\n"
            "and adds the files named, and the PDF files of the folders named, to its list.\n"
            "\n"
            "Options:\n"
            "  -h, --help     show this help and exit\n"
            "  -v, --version  show the version and exit\n"
            "\n"
            "Settings: %3, section [Corvander].\n"
            "Reads PDF files through its worker program, corvander-extract, beside it.\n")
            .arg(QCoreApplication::translate("corvander::CommandLine", kUsageLine),
                 QString::fromLatin1(kProductName), settingsFile);
    QString end;
    if (kHomePage[0] != '\0')
        end += QCoreApplication::translate("corvander::ProgramHelp", "Home page: %1\n")
                   .arg(QString::fromLatin1(kHomePage));
    end += QCoreApplication::translate("corvander::ProgramHelp", "Support: %1\n")
               .arg(QString::fromLatin1(kSupportAddress));
    std::fputs((help + QLatin1Char('\n') + commandsHelp() + end).toUtf8().constData(), stdout);
}

// Like any command-line tool, fail when the answer could not be written (a full disk, a closed
// pipe).
int finishOutput() {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// The information options and a wrong option are answered before the window's application object
// exists, so they work without a display. Qt's own options (-platform, -style, ...) go to Qt. A
// core application, which needs no display, carries the translation of the answer.
std::optional<int> answerWithoutWindow(const corvander::CommandLine& commandLine, char* program) {
    if (commandLine.action == corvander::CommandLine::Action::OpenWindow)
        return std::nullopt;
    int qtArgc = 1;
    char* qtArgv[] = {program, nullptr};
    QCoreApplication application(qtArgc, qtArgv);
    const Translations translations;
    switch (commandLine.action) {
    case corvander::CommandLine::Action::ShowHelp:
        printHelp();
        return finishOutput();
    case corvander::CommandLine::Action::ShowVersion:
        std::printf("%s %s\n", kProductName, CORVANDER_VERSION);
        return finishOutput();
    case corvander::CommandLine::Action::RefuseOption: {
        // The option as it was given, made safe for the terminal, byte for byte.
        QByteArray message = QCoreApplication::translate("corvander::CommandLine",
                                                         "corvander: unknown option \"%1\"")
                                 .toUtf8();
        message.replace("%1", corvander::terminalSafe(commandLine.refused));
        std::fprintf(
            stderr, "%s\n%s\n", message.constData(),
            QCoreApplication::translate("corvander::CommandLine", kUsageLine).toUtf8().constData());
        return 2;
    }
    case corvander::CommandLine::Action::OpenWindow:
        break;
    }
    return std::nullopt;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

} // namespace corvander

int main(int argc, char* argv[]) {
    using namespace corvander;
    if (corvander::isCommandLine(argc, argv))
        return corvander::runCommandLine(argc, argv);
    const QStringList arguments = argumentsOf(argc, argv);
    const corvander::CommandLine commandLine = corvander::parseCommandLine(arguments);
    // A mistyped command is said as such, not as an option the window does not know.
    const bool refused = commandLine.action == corvander::CommandLine::Action::RefuseOption;
    if (!corvander::unknownCommandMessage(arguments, refused).isEmpty()) {
        // Said again with the user's translation, which a core application carries.
        int qtArgc = 1;
        char* qtArgv[] = {argv[0], nullptr};
        QCoreApplication application(qtArgc, qtArgv);
        const Translations translations;
        corvander::tellError(nullptr, corvander::unknownCommandMessage(arguments, refused));
        return 2;
    }
    if (const std::optional<int> exitCode = answerWithoutWindow(commandLine, argv[0]))
        return *exitCode;

    corvander::GraphicalSessionGuard sessionGuard;
    QApplication app(argc, argv);
    sessionGuard.release();
    // The installed menu entry's name, which the desktop matches the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANDER_APP_ID));
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setApplicationVersion(QStringLiteral(CORVANDER_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvander.png")));
    const Translations translations;

    QtDialogs dialogs;
    SettingsStore settings;
    Form1Environment environment;
    environment.programFolder = QApplication::applicationDirPath();
    environment.drawOneToHundred = [] { return int(QRandomGenerator::global()->bounded(1, 101)); };
    environment.terminate = [] {
        // Closing the window ends the program even from inside a long operation: no handler
        // that is still waiting further up the stack may run again.
        std::fflush(nullptr);
        std::_Exit(0);
    };

    // Before the window exists: from the first event loop on (a start-up message's or the
    // window's own), a signal ends the program as closing the window does. Before that, nothing
    // has been started or written that would outlive it, and a signal ends it at once.
    corvander::ShutdownSignals shutdownSignals;
    Form1 window(dialogs, settings, environment);
    shutdownSignals.setHandler([&window] { window.Form_Unload(); });
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    if (!commandLine.paths.isEmpty()) {
        // Once the window shows, so that the walk and the check can be seen and stay responsive.
        QTimer::singleShot(0, &window, [&window, &commandLine] {
            window.openCommandLinePaths(commandLine.paths);
        });
    }
    return QApplication::exec();
}
