// Start-up and shut-down of the main window.
#include "app/file_list_panel.h"
#include "app/form1.h"
#include "app/ocr_menu.h"
#include "app/rename_options_panel.h"
#include "app/results_folder_box.h"
#include "app/run_controller.h"
#include "app/template_panel.h"
#include "common/app_title.h"
#include "common/error_report.h"
#include "extract/extraction_pool.h"

#include <QCloseEvent>
#include <QFile>
#include <QIcon>

namespace corvander {

void Form1::Form_Load() {
    // Before anything reads or writes a setting: an unreadable file is kept, not overwritten.
    checkSettingsFile();
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.Form_Load"));
    proc.step([&] { applyTheme(); });
    proc.step([&] { m_pointer->loadHandCursor(m_environment.programFolder); });
    proc.step([&] { visitHomePage(); });
    proc.step([&] {
        if (m_settings.get(QStringLiteral("Snapshot"), QString()).isEmpty())
            m_fileList->prepareSampleSnapshot();
    });
    proc.step([&] { showCaptionAndIcon(); });
    proc.step([&] { m_fileList->addListColumn(); });
    proc.step([&] { m_options->addRenameModes(); });
    proc.step([&] { m_options->restoreCombo1(); });
    proc.step([&] { m_resultsFolder->restoreText1(); });
    proc.step([&] { m_options->restoreText2(); });
    proc.step([&] { m_options->restoreOption1(); });
    proc.step([&] { m_options->restoreOption2(); });
    proc.step([&] { m_template->restoreText3(); });
    proc.step([&] { m_template->restoreDateOrder(); });
    proc.step([&] { m_options->restoreOption3(); });
    proc.step([&] { m_options->restoreCheck1(); });
    proc.step([&] { locateExtractor(); });
    proc.step([&] { m_run->pruneOldJournals(); });
    proc.step([&] { m_ocr->restoreOcr(); });
    proc.step([&] { refreshRenameMenu(); });
    proc.step([&] { restoreWindowGeometry(); });
}

void Form1::checkSettingsFile() {
    const QString file = m_settings.filePath();
    const SettingsStore::UnreadableFile unreadable = m_settings.keepUnreadableFileAside();
    if (unreadable.found && !unreadable.keptAs.isEmpty()) {
        m_dialogs.showMessage(
            tr("The settings file %1 could not be read. It has been kept as %2, and "
               "the program starts with its default settings.")
                .arg(file, unreadable.keptAs));
    } else if (unreadable.found) {
        m_dialogs.showMessage(
            tr("The settings file %1 could not be read, and it could not be kept "
               "aside either. The program starts with its default settings, and the "
               "choices you make will not be kept.")
                .arg(file));
    }
    m_settings.setWriteFailureHandler([this, file] {
        m_dialogs.showMessage(tr("The settings cannot be saved in %1. The choices you "
                                 "make will not be kept.")
                                  .arg(file));
    });
}

void Form1::applyTheme() {
    QFile sheet(m_environment.programFolder + QStringLiteral("/x/o.qss"));
    if (!sheet.exists())
        return;
    if (!sheet.open(QIODevice::ReadOnly))
        raiseError(tr("The theme file could not be read: ") + sheet.fileName());
    setStyleSheet(QString::fromUtf8(sheet.readAll()));
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

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload() {
    saveWindowGeometry();
    // The program ends at once below, so no worker may outlive it.
    m_pool->shutdown();
    if (m_environment.terminate)
        m_environment.terminate();
}

} // namespace corvander
