#include "app/results_folder_box.h"

#include "app/drawn_area.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "filelist/add_folder.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace corvander {

ResultsFolderBox::ResultsFolderBox(QWidget* window, DrawnArea& area, Dialogs& dialogs,
                                   SettingsStore& settings)
    : m_dialogs(dialogs), m_settings(settings) {
    Frame2 = area.place<QGroupBox>(window, "Frame2", 120, 6705, 7800, 810, Across::Stretch);
    Frame2->setTitle(tr("Save Results To This Folder"));
    Text1 = area.place<QLineEdit>(Frame2, "Text1", 240, 300, 6630, 345, Across::Stretch);
    PushButton4 =
        area.place<QPushButton>(Frame2, "PushButton4", 6960, 300, 600, 345, Across::FollowRight);
    PushButton4->setText(QStringLiteral("..."));
    Text1->setAccessibleName(tr("Results folder"));
    PushButton4->setAccessibleName(tr("Choose the results folder"));

    connect(PushButton4, &QPushButton::clicked, this, &ResultsFolderBox::PushButton4_Click);
    connect(Text1, &QLineEdit::textChanged, this, &ResultsFolderBox::Text1_Change);
    connect(Text1, &QLineEdit::textChanged, this, &ResultsFolderBox::changed);
    connect(Text1, &QLineEdit::returnPressed, this, &ResultsFolderBox::enterPressed);
}

QWidget* ResultsFolderBox::setTabOrderAfter(QWidget* previous) {
    QWidget::setTabOrder(previous, Text1);
    QWidget::setTabOrder(Text1, PushButton4);
    return PushButton4;
}

QString ResultsFolderBox::resultsFolder() const {
    return Text1->text();
}

void ResultsFolderBox::restoreText1() {
    // The default comes first: without a desktop folder nothing is restored.
    const QString fallback = DesktopFolderPath();
    const bool absent = !m_settings.contains(QStringLiteral("Text1"));
    Text1->setText(m_settings.get(QStringLiteral("Text1"), fallback));
    if (absent)
        Text1_Change();
}

void ResultsFolderBox::Text1_Change() {
    m_settings.save(QStringLiteral("Text1"), Text1->text());
}

void ResultsFolderBox::PushButton4_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton4_Click"));
    QString start;
    QString folder;
    // The dialog opens where this button last left off, not at the folder typed in the box.
    proc.step([&] { start = m_settings.get(QStringLiteral("LastFolderDot"), QString()); });
    proc.step([&] { folder = BrowseForFolder(m_dialogs, tr("Please select folder:"), start); });
    if (folder.isEmpty())
        return;
    proc.step([&] { m_settings.save(QStringLiteral("LastFolderDot"), folder); });
    proc.step([&] {
        Text1->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    });
}

} // namespace corvander
