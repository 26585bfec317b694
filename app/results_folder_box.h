#pragma once

#include "common/dialogs.h"
#include "common/settings_store.h"

#include <QObject>
#include <QString>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace corvander {

class DrawnArea;

// "Save Results To This Folder": the results folder (Text1), written through to the settings at
// every change, and the browse button beside it (PushButton4).
class ResultsFolderBox : public QObject {
    Q_OBJECT
public:
    ResultsFolderBox(QWidget* window, DrawnArea& area, Dialogs& dialogs, SettingsStore& settings);

    // The folder as it stands in the box right now.
    QString resultsFolder() const;

    // Start-up: the stored folder, or the desktop folder.
    void restoreText1();

    void Text1_Change();
    void PushButton4_Click(); // browse for the results folder

    // Puts the box's controls into the Tab order after the given control; gives the last one.
    QWidget* setTabOrderAfter(QWidget* previous);

Q_SIGNALS:
    void changed();
    // Enter in the folder box: the user wants the run.
    void enterPressed();

private:
    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* PushButton4 = nullptr;
};

} // namespace corvander
