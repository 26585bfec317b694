// Start-up and shut-down of the main window.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "common/app_title.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/settings_store.h"
#include "extract/extraction_pool.h"
#include "journal/journal_folder.h"
#include "naming/rules/naming_rules.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>

void Form1::Form_Load() {
    // Before anything reads or writes a setting: an unreadable file is kept, not overwritten.
    checkSettingsFile();
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.Form_Load"));
    proc.step([&] { applyTheme(); });
    proc.step([&] { loadHandCursor(); });
    proc.step([&] { visitHomePage(); });
    proc.step([&] {
        if (m_settings.get(QStringLiteral("Snapshot"), QString()).isEmpty())
            prepareSampleSnapshot();
    });
    proc.step([&] { showCaptionAndIcon(); });
    proc.step([&] { addListColumn(); });
    proc.step([&] { addRenameModes(); });
    proc.step([&] { restoreCombo1(); });
    proc.step([&] { restoreText1(); });
    proc.step([&] { restoreText2(); });
    proc.step([&] { restoreOption(Option1, QStringLiteral("Option1"), QStringLiteral("1")); });
    proc.step([&] { restoreOption(Option2, QStringLiteral("Option2"), QStringLiteral("0")); });
    proc.step([&] { restoreCheck1(); });
    proc.step([&] { locateExtractor(); });
    proc.step([&] { corvander::pruneJournals(QDateTime::currentDateTime()); });
    proc.step([&] { restoreOcr(); });
}

void Form1::applyTheme() {
    QFile sheet(m_environment.programFolder + QStringLiteral("/x/o.qss"));
    if (!sheet.exists())
        return;
    if (!sheet.open(QIODevice::ReadOnly))
        raiseError(QStringLiteral("The theme file could not be read: ") + sheet.fileName());
    setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void Form1::loadHandCursor() {
    const QString path = m_environment.programFolder + QStringLiteral("/HAND-M.CUR");
    if (!PathExists(path))
        return;
    const QPixmap picture(path);
    // A cursor file the image readers cannot take still asks for a hand: use the system's.
    m_customCursor = picture.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(picture, 0, 0);
    m_hasCustomCursor = true;
}

void Form1::visitHomePage() {
    // Without a home page there is nowhere to go: a browser on an address that does not exist
    // helps nobody.
    if (QString::fromLatin1(kHomePage).isEmpty())
        return;
    if (m_environment.drawOneToHundred && m_environment.drawOneToHundred() == 7)
        m_dialogs.openExternally(QUrl(QString::fromLatin1(kHomePage)));
}

void Form1::showCaptionAndIcon() {
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(QIcon(QStringLiteral(":/corvander.png")));
    setApplicationTitle();
}

void Form1::addListColumn() {
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral(" PDF File(s)")});
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, 467);
}

void Form1::addRenameModes() {
    Combo1->addItems(corvander::contentLabels());
    // Nothing is selected until the stored mode is restored.
    Combo1->setCurrentIndex(-1);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload() {
    // The program ends at once below, so no worker may outlive it.
    m_pool->shutdown();
    if (m_environment.terminate)
        m_environment.terminate();
}
