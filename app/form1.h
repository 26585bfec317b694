#pragma once

#include "common/window_port.h"
#include "run/run_plan.h"

#include <QCursor>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;
class Dialogs;
class FileDropList;
struct FileListContext;
class SettingsStore;
class TextProgressBar;
class QAction;
struct FileOutcome;
struct RenameRunPorts;
namespace corvander {
class ExtractionPool;
class ReadabilityCheck;
class Waiter;
class EventLoopWaiter;
class WindowLayout;
} // namespace corvander

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

// The main window. Its controls keep their form names; its handlers are named control_event.
class Form1 : public QWidget,
              public ProgressView,
              public BusyPointer,
              public FileListView,
              public RenameControls {
    Q_OBJECT
public:
    enum class Pointer { Arrow, Custom, Hourglass };

    Form1(Dialogs& dialogs, SettingsStore& settings, Form1Environment environment,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence; run once, before the window is first shown.
    void Form_Load();
    // The shut-down sequence; closing the window runs it.
    void Form_Unload();

    // ProgressView
    int progressValue() const override;
    QString progressText() const override;
    void setProgressValue(int value) override;
    void setProgressText(const QString& text) override;
    // BusyPointer
    bool isBusy() const override { return m_pointer == Pointer::Hourglass; }
    void setBusy(bool busy) override;
    // FileListView
    int entryCount() const override;
    QString entryText(int position) const override;
    void appendEntry(const QString& path) override;
    // RenameControls
    int modeIndex() const override;
    bool contentSelected() const override;
    bool metadataSelected() const override;
    QString nameFormat() const override;
    QString resultsFolder() const override;
    bool asksForPassword() const override;

    Pointer pointer() const { return m_pointer; }
    void setPointer(Pointer pointer);
    bool hasCustomCursor() const { return m_hasCustomCursor; }
    Dialogs& dialogs() { return m_dialogs; }
    SettingsStore& settings() { return m_settings; }
    const Form1Environment& environment() const { return m_environment; }
    // The extraction workers, started on first use and killed when the window goes.
    corvander::ExtractionPool& extractionPool() { return *m_pool; }
    corvander::Waiter& waiter();

    // Controls, in the order of their creation.
    QGroupBox* Frame3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* PushButton7 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* PushButton4 = nullptr;
    FileDropList* ListView1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* PushButton8 = nullptr;
    QPushButton* PushButton9 = nullptr;
    QPushButton* PushButton10 = nullptr;
    QPushButton* PushButton11 = nullptr;
    QPushButton* PushButton12 = nullptr;
    QPushButton* PushButton13 = nullptr;
    QPushButton* PushButton14 = nullptr;
    QLabel* Label1 = nullptr;
    TextProgressBar* ProgressBar1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton6 = nullptr;

    // The menu bar above the controls; its items carry object names for tests.
    QMenuBar* MenuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuRename = nullptr;
    // Empty for now, and greyed while it is: items added later switch it on.
    QMenu* mnuOptions = nullptr;
    QMenu* mnuHelp = nullptr;

    // The part of the window below the menu bar, where the controls stand as drawn.
    QRect clientArea() const;
    // Sets the least size: the drawn size, or lower on a screen whose free area is too low.
    void fitToScreen(const QRect& available);

    // Push buttons.
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

    // Help, About Corvander: version, licence and where the settings live.
    void mnuAbout_Click();

    // Files and folders named on the command line, added right after start-up.
    void openCommandLinePaths(const QStringList& paths);

    // File list.
    void ListView1_DblClick();
    void ListView1_KeyDown(int key);
    void ListView1_OLEDragDrop(const QStringList& paths);

    // Options that write through to the settings store.
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click();
    void Text1_Change();
    void Text2_Change();
    void Check1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectHandlers();
    void watchPointer();
    void followPointer(QObject* watched, QEvent* event);
    void setUpKeyboard();
    void nameForScreenReaders();
    bool pressFocusedButton(QObject* watched, QEvent* event);
    void keepBothOptionsOnTab(QObject* watched, QEvent* event);
    void keepOptionsMenuGreyedWhileEmpty(QObject* watched, QEvent* event);
    int menuBarHeight() const;
    void arrangeControls();
    void applyTheme();
    void loadHandCursor();
    void visitHomePage();
    void prepareSampleSnapshot();
    void showCaptionAndIcon();
    void addListColumn();
    void addRenameModes();
    void locateExtractor();
    void checkSettingsFile();
    void restoreCombo1();
    void restoreText1();
    void restoreText2();
    void restoreOption(QRadioButton* option, const QString& key, const QString& defaultValue);
    void restoreCheck1();
    void writeOptions();
    void setFormatPreset(const QString& format, const char* procedure);

    // --- extraction (form1_extract.cpp) ---
public:
    // The readability check over the whole list; every addition to the list ends with it.
    void runReadabilityCheck();
    // The extraction worker program the window uses.
    QString extractorProgram() const;

private:
    std::unique_ptr<corvander::EventLoopWaiter> m_waiter;
    std::unique_ptr<corvander::ExtractionPool> m_pool;
    std::unique_ptr<corvander::ReadabilityCheck> m_check;

    // --- file list and samples (form1_filelist.cpp, form1_samples.cpp) ---
    // The list, dialogs and settings the list's sources fill and consult.
    FileListContext fileListContext();
    // Double-click takes the entry clicked, Delete every selected one; nothing while busy.
    void removeEntries(const QList<QTreeWidgetItem*>& items);

    // --- size and layout (form1_layout.cpp) ---
    std::unique_ptr<corvander::WindowLayout> m_layout;
    // The controls in the layout's order.
    std::vector<QWidget*> m_laidOut;
    bool m_followsScreen = false;

    // --- rename run, preview, stop, undo and report (form1_rename.cpp, form1_preview.cpp,
    // form1_journal.cpp) ---
public:
    // Rename > Preview Names: plans every file as "Start Renaming" would and shows each planned
    // name (or why the file is skipped) in the list's second column; copies nothing.
    void mnuPreview_Click();
    // Esc, Rename > Stop, a click on the progress bar: the run ends after the current file.
    void mnuStop_Click();
    // Rename > Undo Last Run: removes the copies of the last run that are still as it made them.
    void mnuUndo_Click();
    // Rename > Save Report...: the last run's journal as a CSV file.
    void mnuReport_Click();
    // A preview's plan stands (nothing was edited since it was made).
    bool hasPreview() const { return m_previewShown; }

    QAction* mnuPreview = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuReport = nullptr;
    QAction* mnuPreviewFirst = nullptr;

private:
    void createRunMenus();
    bool stopOnProgressClick(QObject* watched, QEvent* event);
    RenameRunPorts renameRunPorts();
    void runRenaming(bool preview);
    void showPlannedName(int position, const FileOutcome& outcome);
    void discardPreview();
    void watchForEdits();

    // --- OCR of scanned pages (form1_ocr.cpp) ---
public:
    // Options > Read scanned pages with OCR: on or off, kept as "OCR".
    void mnuOcr_Click();
    // Options > OCR Languages...: the installed languages, those OCR reads in checked; the choice
    // is kept as "OCRLanguages".
    void mnuOcrLanguages_Click();

    QAction* mnuOcr = nullptr;
    QAction* mnuOcrLanguages = nullptr;

private:
    void createOcrMenus();
    void restoreOcr();
    // Hands the workers the OCR settings as they stand now: before every run, preview and check,
    // so that a change takes effect at once.
    void applyOcrSettings();

    corvander::RunPlan m_plan;
    bool m_previewShown = false;
    bool m_stopRequested = false;
    int m_pathColumnWidth = 0;

    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    Form1Environment m_environment;
    Pointer m_pointer = Pointer::Arrow;
    QCursor m_customCursor;
    bool m_hasCustomCursor = false;
    bool m_runInProgress = false;
};
