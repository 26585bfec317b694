#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "app/shutdown_signals.h"
#include "cli/command_line.h"
#include "common/app_title.h"
#include "common/settings_store.h"

#include <QApplication>
#include <QRandomGenerator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {
void printHelp() {
    const QByteArray settingsFile = SettingsStore::defaultFilePath().toLocal8Bit();
    std::printf("Usage: corvander [--help | --version]\n"
                "\n"
                "%s copies many PDF files at once under new names taken from each\n"
                "file's own text (\"rename by content\") or from its document information\n"
                "(\"rename by metadata\"). The source files are never changed; the renamed\n"
                "copies go into a results folder. Started without options, it opens its window.\n"
                "\n"
                "Options:\n"
                "  -h, --help     show this help and exit\n"
                "  -v, --version  show the version and exit\n"
                "\n"
                "Settings: %s, section [Corvander].\n"
                "Reads PDF files through its worker program, corvander-extract, beside it.\n",
                kProductName, settingsFile.constData());
    std::printf("\n%s", corvander::commandsHelp());
    if (kHomePage[0] != '\0')
        std::printf("Home page: %s\n", kHomePage);
    std::printf("Support: %s\n", kSupportAddress);
}

// Like any command-line tool, fail when the answer could not be written (a full disk, a closed
// pipe).
int finishOutput() {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// The information options are answered before any Qt application object exists, so they work
// without a display. Every other argument is left to Qt (-platform, -style, ...).
std::optional<int> answerInformationOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printHelp();
            return finishOutput();
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("%s %s\n", kProductName, CORVANDER_VERSION);
            return finishOutput();
        }
    }
    return std::nullopt;
}
} // namespace

int main(int argc, char* argv[]) {
    if (corvander::isCommandLine(argc, argv))
        return corvander::runCommandLine(argc, argv);
    if (const std::optional<int> exitCode = answerInformationOption(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setApplicationVersion(QStringLiteral(CORVANDER_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvander.png")));

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

    // Before the window exists, so that no signal can end the program in any other way.
    corvander::ShutdownSignals shutdownSignals;
    Form1 window(dialogs, settings, environment);
    shutdownSignals.setHandler([&window] { window.Form_Unload(); });
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
