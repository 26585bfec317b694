// Restoring the user's choices at start-up, and writing every change straight back.
#include "app/form1.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/settings_store.h"
#include "common/vb_convert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// A stored value that cannot be used: the report names the setting, so that it can be found in
// the file.
[[noreturn]] void badSetting(const QString& description, const QString& key, const QString& text) {
    raiseError(QStringLiteral("%1 (setting \"%2\" = \"%3\")").arg(description, key, text));
}

template <typename Convert>
auto convertSetting(const QString& key, const QString& text, Convert convert) {
    try {
        return convert(text);
    } catch (const AppError& error) {
        badSetting(error.description(), key, text);
    }
}

} // namespace

void Form1::checkSettingsFile() {
    const QString file = m_settings.filePath();
    const SettingsStore::UnreadableFile unreadable = m_settings.keepUnreadableFileAside();
    if (unreadable.found && !unreadable.keptAs.isEmpty()) {
        m_dialogs.showMessage(
            QStringLiteral("The settings file %1 could not be read. It has been kept as %2, and "
                           "the program starts with its default settings.")
                .arg(file, unreadable.keptAs));
    } else if (unreadable.found) {
        m_dialogs.showMessage(
            QStringLiteral("The settings file %1 could not be read, and it could not be kept "
                           "aside either. The program starts with its default settings, and the "
                           "choices you make will not be kept.")
                .arg(file));
    }
    m_settings.setWriteFailureHandler([this, file] {
        m_dialogs.showMessage(QStringLiteral("The settings cannot be saved in %1. The choices you "
                                             "make will not be kept.")
                                  .arg(file));
    });
}

// A restored value is written back the way the control's own handler would write it: when the
// assignment changes the control. A key that was missing gets its default written as well, so a
// fresh store holds every choice after the first start. A stored value that did not change the
// control is left as it is, so one control's restore never overwrites another's stored value.

void Form1::restoreCombo1() {
    const QString key = QStringLiteral("Combo1Index");
    const QString stored = m_settings.get(key, QStringLiteral("0"));
    const int index = convertSetting(key, stored, toInt16);
    if (index < 0 || index >= Combo1->count())
        badSetting(QStringLiteral("Invalid property value"), key, stored);
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void Form1::restoreText1() {
    // The default comes first: without a desktop folder nothing is restored.
    const QString fallback = DesktopFolderPath();
    const bool absent = !m_settings.contains(QStringLiteral("Text1"));
    Text1->setText(m_settings.get(QStringLiteral("Text1"), fallback));
    if (absent)
        Text1_Change();
}

void Form1::restoreText2() {
    const bool absent = !m_settings.contains(QStringLiteral("Text2"));
    Text2->setText(m_settings.get(QStringLiteral("Text2"), QStringLiteral("%a - %t")));
    if (absent)
        Text2_Change();
}

void Form1::restoreOption(QRadioButton* option, const QString& key, const QString& defaultValue) {
    const bool absent = !m_settings.contains(key);
    const bool selected = convertSetting(key, m_settings.get(key, defaultValue), toBoolean);
    if (selected && !option->isChecked()) {
        // Selecting a button counts as its click.
        option->setChecked(true);
        writeOptions();
        return;
    }
    if (!selected && option->isChecked()) {
        // An exclusive group never lets its checked button go; a stored "False" for both must.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    if (absent)
        m_settings.save(key, booleanText(option->isChecked()));
}

void Form1::restoreCheck1() {
    const QString key = QStringLiteral("Check1");
    const bool absent = !m_settings.contains(key);
    const QString stored = m_settings.get(key, QStringLiteral("0"));
    const int value = convertSetting(key, stored, toInt16);
    if (value != 0 && value != 1)
        badSetting(QStringLiteral("Invalid property value"), key, stored);
    if (absent || Check1->isChecked() != (value == 1)) {
        Check1->setChecked(value == 1);
        Check1_Click();
    }
}

void Form1::writeOptions() {
    m_settings.save(QStringLiteral("Option1"), booleanText(Option1->isChecked()));
    m_settings.save(QStringLiteral("Option2"), booleanText(Option2->isChecked()));
}

void Form1::Option1_Click() {
    writeOptions();
}

void Form1::Option2_Click() {
    writeOptions();
}

void Form1::Combo1_Click() {
    m_settings.save(QStringLiteral("Combo1Index"), QString::number(Combo1->currentIndex()));
}

void Form1::Text1_Change() {
    m_settings.save(QStringLiteral("Text1"), Text1->text());
}

void Form1::Text2_Change() {
    m_settings.save(QStringLiteral("Text2"), Text2->text());
}

void Form1::Check1_Click() {
    m_settings.save(QStringLiteral("Check1"),
                    Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}
