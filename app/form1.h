#pragma once

#include "app/window_pointer.h"
#include "common/dialogs.h"
#include "common/settings_store.h"
#include "common/window_port.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
namespace corvander {
class EventLoopWaiter;
class ExtractionPool;
class FileListPanel;
class OcrMenu;
class ReadabilityCheck;
class RenameChoices;
class RenameOptionsPanel;
class ResultsFolderBox;
class RunController;
class TemplatePanel;
class TemplatePreview;
class Waiter;
class WindowAreas;

// What the window takes from the outside world; tests replace each piece.
struct Form1Environment {
    // The folder holding the optional "x/o.qss" and "HAND-M.CUR" and the "Samples" folder.
    QString programFolder;
    // A whole number from 1 to 100; a 7 opens the home page.
    std::function<int()> drawOneToHundred;
    // Ends the program at once, from wherever it is called.
    std::function<void()> terminate;
    // The extraction worker; empty means corvander-extract beside the running program.
    QString extractorProgram;
};

// The main window, made of panels that each own their controls: the file list, the rename
// options, the results folder box, the run controller and, beside them, the template panel. Form1
// makes them, places them in the drawn layout, wires them to each other and runs the start-up and
// the shut-down. The controls keep their form names as object names; the handlers keep theirs
// (control_event) here and hand over to the panel that owns the control.
class Form1 : public QWidget {
    Q_OBJECT
public:
    using Pointer = corvander::PointerShape;

    Form1(Dialogs& dialogs, SettingsStore& settings, Form1Environment environment,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence; run once, before the window is first shown.
    void Form_Load();
    // The shut-down sequence; closing the window runs it.
    void Form_Unload();

    // The window as the rest of the program reads and drives it.
    FileListView& fileList();
    ProgressView& progress();
    BusyPointer& busyPointer();
    RenameControls& renameControls();
    Pointer pointer() const { return m_pointer->shape(); }
    bool hasCustomCursor() const { return m_pointer->hasCustomCursor(); }
    Dialogs& dialogs() { return m_dialogs; }
    SettingsStore& settings() { return m_settings; }
    const Form1Environment& environment() const { return m_environment; }
    // The extraction workers, started on first use and killed when the window goes.
    corvander::ExtractionPool& extractionPool() { return *m_pool; }
    corvander::Waiter& waiter();
    // A preview's plan stands (nothing was edited since it was made).
    bool hasPreview() const;

    // The part of the window below the menu bar, where the controls stand as drawn.
    QRect clientArea() const;
    // Sets the least size: the drawn size, or lower on a screen whose free area is too low.
    void fitToScreen(const QRect& available);

    // The readability check over the whole list; every addition to the list ends with it.
    void runReadabilityCheck();
    // The extraction worker program the window uses.
    QString extractorProgram() const;
    // Files and folders named on the command line, added right after start-up.
    void openCommandLinePaths(const QStringList& paths);

    // The handlers, by the form's names.
    void PushButton1_Click();  // add files through the open dialog
    void PushButton2_Click();  // rename run
    void PushButton3_Click();  // clear the list
    void PushButton4_Click();  // browse for the results folder
    void PushButton5_Click();  // add a whole folder
    void PushButton6_Click();  // sample files
    void PushButton7_Click();  // general help
    void PushButton8_Click();  // help on rename by content
    void PushButton9_Click();  // help on rename by metadata
    void PushButton10_Click(); // format presets
    void PushButton11_Click();
    void PushButton12_Click();
    void PushButton13_Click();
    void PushButton14_Click();
    void ListView1_DblClick();
    void ListView1_KeyDown(int key);
    void ListView1_OLEDragDrop(const QStringList& paths);
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click();
    void Text1_Change();
    void Text2_Change();
    void Check1_Click();
    void mnuPreview_Click();
    void mnuStop_Click();
    void mnuUndo_Click();
    void mnuReport_Click();
    // Rename > Open Results Folder: the folder in the box, in the desktop's file manager.
    void mnuOpenResults_Click();
    void mnuOcr_Click();
    void mnuOcrLanguages_Click();
    // Help, About Corvander: version, licence and where the settings live.
    void mnuAbout_Click();
    // The user typed `name` over the planned name of the file at `path`: the template learned
    // from that file and name goes into the template box, or a message says why none could be.
    void learnFromNamedEntry(const QString& path, const QString& name);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPanels();
    void createMenus();
    void wirePanels();
    void watchPointer();
    void setUpKeyboard();
    bool pressFocusedButton(QObject* watched, QEvent* event);
    void keepOptionsMenuGreyedWhileEmpty(QObject* watched, QEvent* event);
    // Enables the Rename menu's items that are of use now: undo, report, the results folder.
    void refreshRenameMenu();
    void restoreWindowGeometry();
    void saveWindowGeometry();
    int menuBarHeight() const;
    void arrangeControls();
    void checkSettingsFile();
    void applyTheme();
    void visitHomePage();
    void showCaptionAndIcon();
    void locateExtractor();
    // False, after saying why, when the chosen family cannot name files as things stand.
    bool readyToRun();

    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    Form1Environment m_environment;
    // Declared before the panels, which use them to the end.
    std::unique_ptr<corvander::EventLoopWaiter> m_waiter;
    std::unique_ptr<corvander::ExtractionPool> m_pool;
    std::unique_ptr<corvander::WindowPointer> m_pointer;

    std::unique_ptr<corvander::FileListPanel> m_fileList;
    std::unique_ptr<corvander::RenameOptionsPanel> m_options;
    std::unique_ptr<corvander::ResultsFolderBox> m_resultsFolder;
    std::unique_ptr<corvander::RenameChoices> m_choices;
    std::unique_ptr<corvander::OcrMenu> m_ocr;
    std::unique_ptr<corvander::RunController> m_run;
    std::unique_ptr<corvander::ReadabilityCheck> m_check;
    std::unique_ptr<corvander::TemplatePanel> m_template;
    std::unique_ptr<corvander::TemplatePreview> m_preview;

    // The window's own controls: the general help button and the menu bar.
    QPushButton* PushButton7 = nullptr;
    QMenuBar* MenuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuRename = nullptr;
    QAction* mnuOpenResults = nullptr;
    // Greyed while it is empty: items added later switch it on.
    QMenu* mnuOptions = nullptr;
    QMenu* mnuHelp = nullptr;

    std::unique_ptr<corvander::WindowAreas> m_areas;
    bool m_followsScreen = false;
};

} // namespace corvander
