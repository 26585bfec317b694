// The three help buttons.
#include "app/form1.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "support/help_messages.h"

#include <QComboBox>

void Form1::PushButton7_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton7_Click"));
    proc.step([&] { m_dialogs.showMessage(generalHelpText()); });
}

void Form1::PushButton8_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton8_Click"));
    proc.step(
        [&] { m_dialogs.showMessage(contentHelpText(Combo1->itemText(0), Combo1->itemText(4))); });
}

void Form1::PushButton9_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton9_Click"));
    proc.step([&] { m_dialogs.showMessage(metadataHelpText()); });
}
