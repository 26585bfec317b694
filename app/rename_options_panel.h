#pragma once

#include "common/dialogs.h"
#include "common/settings_store.h"

#include <QObject>
#include <QString>

class QButtonGroup;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvander {

class DrawnArea;

// The rename options: the family (Option1 by content, Option2 by metadata, and the template
// panel's Option3), the content mode
// (Combo1), the metadata name format (Text2) with its five presets, the help on each family, and
// the password prompt (Check1). Every control writes its value through to the settings store at
// once; none enables or hides anything.
class RenameOptionsPanel : public QObject {
    Q_OBJECT
public:
    RenameOptionsPanel(QWidget* window, DrawnArea& area, Dialogs& dialogs, SettingsStore& settings);

    // The choices as they stand right now.
    int modeIndex() const;
    bool contentSelected() const;
    bool metadataSelected() const;
    QString nameFormat() const;
    bool asksForPassword() const;

    // A third family's option button (Option3), exclusive with the two here and remembered
    // beside them.
    void addFamily(QRadioButton* option);

    // Start-up, in the order it runs them: the modes, then the stored choices.
    void addRenameModes();
    void restoreCombo1();
    void restoreText2();
    void restoreOption1();
    void restoreOption2();
    void restoreOption3();
    void restoreCheck1();

    void Option1_Click();
    void Option2_Click();
    void Combo1_Click();
    void Text2_Change();
    void Check1_Click();
    void PushButton8_Click();  // help on rename by content
    void PushButton9_Click();  // help on rename by metadata
    void PushButton10_Click(); // format presets
    void PushButton11_Click();
    void PushButton12_Click();
    void PushButton13_Click();
    void PushButton14_Click();

    // Puts the panel's controls into the Tab order after the given control; gives the last one.
    QWidget* setTabOrderAfter(QWidget* previous);

Q_SIGNALS:
    // A choice changed, by the user or by the start-up.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* window, DrawnArea& area);
    void nameForScreenReaders();
    void connectHandlers();
    void restoreOption(QRadioButton* option, const QString& key, const QString& defaultValue);
    void writeOptions();
    void setFormatPreset(const QString& format, const char* procedure);
    // Says in the format box which of its parts names no field (see formatProblem).
    void showFormatProblem();

    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text2 = nullptr;
    // A warning mark inside Text2, shown while a part of the format names no field.
    QAction* m_formatWarning = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* PushButton8 = nullptr;
    QPushButton* PushButton9 = nullptr;
    QPushButton* PushButton10 = nullptr;
    QPushButton* PushButton11 = nullptr;
    QPushButton* PushButton12 = nullptr;
    QPushButton* PushButton13 = nullptr;
    QPushButton* PushButton14 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* Option3 = nullptr;
    // Option1, Option2 and Option3 stand in different containers: one group keeps them exclusive.
    QButtonGroup* m_families = nullptr;
};

} // namespace corvander
