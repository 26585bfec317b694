#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace corvander {

class SettingsStore;

// Options > "Skip files already copied": a run copies no file whose identical copy already stands
// in the results folder. Kept under "SkipCopied", off until chosen.
class SkipCopiedOption : public QObject {
    Q_OBJECT
public:
    explicit SkipCopiedOption(SettingsStore& settings) : m_settings(settings) {}

    // Adds the item, checked as the settings say.
    void addMenuItem(QMenu* options);
    bool isChecked() const;

Q_SIGNALS:
    void changed();

private:
    void mnuSkipCopied_Click();

    SettingsStore& m_settings;
    QAction* mnuSkipCopied = nullptr;
};

} // namespace corvander
