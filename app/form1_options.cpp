// The rename options panel: format presets and the results-folder browse button.
#include "app/form1.h"
#include "common/dialogs.h"
#include "common/error_report.h"

#include <QLineEdit>

void Form1::setFormatPreset(const QString& format, const char* procedure) {
    TrappedProcedure proc(m_dialogs, QString::fromLatin1(procedure));
    proc.step([&] { Text2->setText(format); });
}

void Form1::PushButton10_Click() {
    setFormatPreset(QStringLiteral("%a - %t"), "Form1.PushButton10_Click");
}
void Form1::PushButton11_Click() {
    setFormatPreset(QStringLiteral("%a - %s"), "Form1.PushButton11_Click");
}
void Form1::PushButton12_Click() {
    setFormatPreset(QStringLiteral("%c - %t"), "Form1.PushButton12_Click");
}
void Form1::PushButton13_Click() {
    setFormatPreset(QStringLiteral("%c - %s"), "Form1.PushButton13_Click");
}
void Form1::PushButton14_Click() {
    setFormatPreset(QStringLiteral("%t - %g"), "Form1.PushButton14_Click");
}

void Form1::PushButton4_Click() {
    // Filled in with the options panel work.
}
