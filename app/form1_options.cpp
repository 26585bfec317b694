// The rename options panel: format presets and the results-folder browse button.
#include "app/form1.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/settings_store.h"
#include "filelist/add_folder.h"

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
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton4_Click"));
    QString start;
    QString folder;
    // The dialog opens where this button last left off, not at the folder typed in the box.
    proc.step([&] { start = m_settings.get(QStringLiteral("LastFolderDot"), QString()); });
    proc.step([&] {
        folder = BrowseForFolder(m_dialogs, QStringLiteral("Please select folder:"), start);
    });
    if (folder.isEmpty())
        return;
    proc.step([&] { m_settings.save(QStringLiteral("LastFolderDot"), folder); });
    proc.step([&] {
        Text1->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    });
}
