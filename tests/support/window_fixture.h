#pragma once

#include "app/form1.h"
#include "common/settings_store.h"
#include "tests/support/form1_controls.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace corvander {

// A real main window over a settings file and a program folder of its own, with every dialog
// answered by a script, and its controls by name. Tests may fill the settings before calling
// load().
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : settings(home.filePath(QStringLiteral("Fernwick.ini"))) {
        programFolder = home.filePath(QStringLiteral("program"));
        QDir().mkpath(programFolder);
    }

    // Builds the window and runs its start-up.
    Form1& load() {
        Form1Environment environment;
        environment.programFolder = programFolder;
        environment.drawOneToHundred = [this] { return draw; };
        environment.terminate = [this] { ++terminated; };
        environment.extractorProgram = extractorProgram;
        window = std::make_unique<Form1>(dialogs, settings, environment);
        window->Form_Load();
        ui = Form1Controls(*window);
        return *window;
    }

    QTemporaryDir home;
    QString programFolder;
    SettingsStore settings;
    ScriptedDialogs dialogs;
    QString extractorProgram = QStringLiteral(CORVANDER_EXTRACT_PROGRAM);
    int draw = 1;
    int terminated = 0;
    std::unique_ptr<Form1> window;
    // The controls of the window load() made last.
    Form1Controls ui;
};

} // namespace corvander
