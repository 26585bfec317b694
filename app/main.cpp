#include "app/form1.h"
#include "app/qt_dialogs.h"
#include "common/app_title.h"
#include "common/settings_store.h"

#include <QApplication>
#include <QRandomGenerator>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
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

    Form1 window(dialogs, settings, environment);
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
