// The menu bar. Each item runs the handler of the button that does the same, so a menu and a
// button can never drift apart.
#include "app/form1.h"
#include "app/ocr_menu.h"
#include "app/results_folder_box.h"
#include "app/run_controller.h"
#include "app/template_panel.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "support/about_text.h"
#include "support/shell32.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace corvander {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& text, Form1* window,
                 void (Form1::*handler)(), const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, window,
                     [window, handler] { (window->*handler)(); });
    return action;
}

} // namespace

// Shortcuts are spelt out: the desktop's standard keys are not defined on every platform theme.
void Form1::createMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    // Menus speak in the desktop's font; the drawn Arial belongs to the controls below.
    MenuBar->setFont(QApplication::font());

    mnuFile = MenuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addItem(mnuFile, "mnuAddFiles", tr("&Add PDF File(s)..."), this, &Form1::PushButton1_Click,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(mnuFile, "mnuAddFolder", tr("Add All PDF File(s) In &Folder..."), this,
            &Form1::PushButton5_Click);
    addItem(mnuFile, "mnuLoadSamples", tr("Load &Sample/Example Files"), this,
            &Form1::PushButton6_Click);
    mnuFile->addSeparator();
    QAction* quit = mnuFile->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Quitting is closing the window, with everything the close does.
    connect(quit, &QAction::triggered, this, &QWidget::close);

    mnuRename = MenuBar->addMenu(tr("&Rename"));
    mnuRename->setObjectName(QStringLiteral("mnuRename"));
    addItem(mnuRename, "mnuStartRenaming", tr("&Start Renaming"), this, &Form1::PushButton2_Click);
    // Preview, stop, undo and the report come after, once the options menu exists too.

    mnuOptions = MenuBar->addMenu(tr("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptions->menuAction()->setEnabled(false);
    mnuOptions->installEventFilter(this);

    m_run->addMenuItems(mnuRename, mnuOptions);
    mnuOpenResults = addItem(mnuRename, "mnuOpenResults", tr("&Open Results Folder"), this,
                             &Form1::mnuOpenResults_Click);
    connect(mnuRename, &QMenu::aboutToShow, this, &Form1::refreshRenameMenu);
    m_ocr->addMenuItems(mnuOptions);
    m_template->addMenuItems(mnuOptions);

    mnuHelp = MenuBar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addItem(mnuHelp, "mnuHelpGeneral", tr("&Help"), this, &Form1::PushButton7_Click,
            QKeySequence(Qt::Key_F1));
    addItem(mnuHelp, "mnuHelpContent", tr("Rename by &content"), this, &Form1::PushButton8_Click);
    addItem(mnuHelp, "mnuHelpMetadata", tr("Rename by &metadata"), this, &Form1::PushButton9_Click);
    mnuHelp->addSeparator();
    addItem(mnuHelp, "mnuAbout", tr("&About Corvander"), this, &Form1::mnuAbout_Click);
}

void Form1::keepOptionsMenuGreyedWhileEmpty(QObject* watched, QEvent* event) {
    if (watched != mnuOptions ||
        (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionRemoved))
        return;
    mnuOptions->menuAction()->setEnabled(!mnuOptions->actions().isEmpty());
}

// Runs of the command line or of another window end while this one waits in the background: the
// items are read afresh when the user comes back, and when the menu opens.
void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshRenameMenu();
}

void Form1::refreshRenameMenu() {
    m_run->refreshJournalItems();
    mnuOpenResults->setEnabled(IsDirectory(m_resultsFolder->resultsFolder()));
}

void Form1::mnuOpenResults_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuOpenResults_Click"));
    proc.step([&] {
        const QString folder = m_resultsFolder->resultsFolder();
        if (!IsDirectory(folder)) {
            m_dialogs.showMessage(tr("The results folder %1 does not exist.").arg(folder));
            return;
        }
        ShellOpen(m_dialogs, folder);
    });
}

void Form1::mnuAbout_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuAbout_Click"));
    proc.step(
        [&] { m_dialogs.showMessage(aboutText(m_settings.filePath()), tr("About Corvander")); });
}

} // namespace corvander
