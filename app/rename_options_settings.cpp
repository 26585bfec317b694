// The rename options' settings: restored at start-up, and every change written straight back.
#include "app/rename_options_panel.h"

#include "common/error_report.h"
#include "common/vb_convert.h"
#include "naming/rules/naming_rules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace corvander {

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

void RenameOptionsPanel::addRenameModes() {
    Combo1->addItems(corvander::contentLabels());
    // Nothing is selected until the stored mode is restored.
    Combo1->setCurrentIndex(-1);
}

// A restored value is written back the way the control's own handler would write it: when the
// assignment changes the control. A key that was missing gets its default written as well, so a
// fresh store holds every choice after the first start. A stored value that did not change the
// control is left as it is, so one control's restore never overwrites another's stored value.

void RenameOptionsPanel::restoreCombo1() {
    const QString key = QStringLiteral("Combo1Index");
    const QString stored = m_settings.get(key, QStringLiteral("0"));
    const int index = convertSetting(key, stored, toInt16);
    if (index < 0 || index >= Combo1->count())
        badSetting(tr("Invalid property value"), key, stored);
    Combo1->setCurrentIndex(index);
    Combo1_Click();
}

void RenameOptionsPanel::restoreText2() {
    const bool absent = !m_settings.contains(QStringLiteral("Text2"));
    Text2->setText(m_settings.get(QStringLiteral("Text2"), QStringLiteral("%a - %t")));
    if (absent)
        Text2_Change();
}

void RenameOptionsPanel::restoreOption1() {
    restoreOption(Option1, QStringLiteral("Option1"), QStringLiteral("1"));
}

void RenameOptionsPanel::restoreOption2() {
    restoreOption(Option2, QStringLiteral("Option2"), QStringLiteral("0"));
}

void RenameOptionsPanel::restoreOption3() {
    if (Option3)
        restoreOption(Option3, QStringLiteral("Option3"), QStringLiteral("0"));
}

void RenameOptionsPanel::restoreOption(QRadioButton* option, const QString& key,
                                       const QString& defaultValue) {
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
        m_families->setExclusive(false);
        option->setChecked(false);
        m_families->setExclusive(true);
    }
    if (absent)
        m_settings.save(key, booleanText(option->isChecked()));
}

void RenameOptionsPanel::restoreCheck1() {
    const QString key = QStringLiteral("Check1");
    const bool absent = !m_settings.contains(key);
    const QString stored = m_settings.get(key, QStringLiteral("0"));
    const int value = convertSetting(key, stored, toInt16);
    if (value != 0 && value != 1)
        badSetting(tr("Invalid property value"), key, stored);
    if (absent || Check1->isChecked() != (value == 1)) {
        Check1->setChecked(value == 1);
        Check1_Click();
    }
}

void RenameOptionsPanel::writeOptions() {
    m_settings.save(QStringLiteral("Option1"), booleanText(Option1->isChecked()));
    m_settings.save(QStringLiteral("Option2"), booleanText(Option2->isChecked()));
    if (Option3)
        m_settings.save(QStringLiteral("Option3"), booleanText(Option3->isChecked()));
}

void RenameOptionsPanel::Option1_Click() {
    writeOptions();
}

void RenameOptionsPanel::Option2_Click() {
    writeOptions();
}

void RenameOptionsPanel::Combo1_Click() {
    m_settings.save(QStringLiteral("Combo1Index"), QString::number(Combo1->currentIndex()));
}

void RenameOptionsPanel::Text2_Change() {
    m_settings.save(QStringLiteral("Text2"), Text2->text());
}

void RenameOptionsPanel::Check1_Click() {
    m_settings.save(QStringLiteral("Check1"),
                    Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace corvander
