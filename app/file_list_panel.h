#pragma once

#include "app/file_drop_list.h"
#include "app/planned_names_view.h"
#include "common/dialogs.h"
#include "common/settings_store.h"
#include "common/window_port.h"
#include "filelist/list_sources.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QPushButton;
class QTreeWidgetItem;

namespace corvander {

class DrawnArea;
class Waiter;

// The file list and the buttons that fill and clear it: ListView1 with its path column, removal
// by double-click and Delete, drops, "Add PDF File(s)", "Add All PDF File(s) In Folder", "Clear
// List" and the sample files. It is the list the check and the run read, and it shows a preview's
// planned names beside the paths.
class FileListPanel : public QObject, public FileListView, public PlannedNamesView {
    Q_OBJECT
public:
    struct Needs {
        Dialogs& dialogs;
        SettingsStore& settings;
        // While the window is busy, the list is not edited.
        BusyPointer& busy;
        // Lets the window live during a long folder walk.
        Waiter& waiter;
        // Where the "Samples" folder is.
        QString programFolder;
        // Every addition to the list ends with the readability check over the whole list.
        std::function<void()> checkReadability;
    };

    FileListPanel(QWidget* window, DrawnArea& area, Needs needs);

    // FileListView
    int entryCount() const override;
    QString entryText(int position) const override;
    void appendEntry(const QString& path) override;
    // PlannedNamesView
    void showPlannedName(int position, const QString& name, const QString& toolTip) override;
    void hidePlannedNames() override;
    // The 1-based positions of the entries the list shows now, first to last; empty for none.
    QList<int> visiblePositions() const;

    // Start-up: the sample list when none is recorded yet, and the list's one column.
    void prepareSampleSnapshot();
    void addListColumn();

    void PushButton1_Click(); // add files through the open dialog
    void PushButton3_Click(); // clear the list
    void PushButton5_Click(); // add a whole folder
    void PushButton6_Click(); // sample files
    void ListView1_DblClick();
    void ListView1_KeyDown(int key);
    void ListView1_OLEDragDrop(const QStringList& paths);
    // Files and folders named on the command line, added right after start-up.
    void openCommandLinePaths(const QStringList& paths);

    // Puts the panel's controls into the Tab order after the given control; gives the last one.
    QWidget* setTabOrderAfter(QWidget* previous);

Q_SIGNALS:
    // Entries were added or taken out.
    void entriesChanged();
    // Other entries came into view.
    void scrolled();
    // The entry selected now, the current one among several; empty when none is.
    void selectedEntryChanged(const QString& path);
    // The user typed `name` over the planned name of the entry for the file at `path`.
    void plannedNameEdited(const QString& path, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileListContext fileListContext();
    // Double-click takes the entry clicked, Delete every selected one; nothing while busy.
    void removeEntries(const QList<QTreeWidgetItem*>& items);
    void followListWidth(int width);
    void tellSelectedEntry();

    Needs m_needs;
    FileDropList* ListView1 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton6 = nullptr;
    // The list's width when the path column last followed it.
    int m_listWidth = 0;
    // The path column's width before the planned names came beside it.
    int m_pathColumnWidth = 0;
    bool m_namesShown = false;
};

} // namespace corvander
