// What fills and empties the list: its buttons, removal, drops and the command line's paths.
#include "app/file_list_panel.h"

#include "common/error_report.h"
#include "filelist/command_line_paths.h"
#include "filelist/sample_files.h"

namespace corvander {

FileListContext FileListPanel::fileListContext() {
    return {m_needs.dialogs, m_needs.settings,         *this,
            m_needs.busy,    m_needs.checkReadability, &m_needs.waiter};
}

void FileListPanel::PushButton1_Click() {
    FileListContext context = fileListContext();
    AddFilesThroughOpenDialog(context);
}

void FileListPanel::openCommandLinePaths(const QStringList& paths) {
    FileListContext context = fileListContext();
    AddCommandLinePaths(context, paths);
}

void FileListPanel::PushButton3_Click() {
    TrappedProcedure proc(m_needs.dialogs, QStringLiteral("Form1.PushButton3_Click"));
    proc.step([&] {
        if (!m_needs.busy.isBusy())
            ListView1->clear();
    });
}

void FileListPanel::PushButton5_Click() {
    FileListContext context = fileListContext();
    AddAllFilesInFolder(context);
}

void FileListPanel::ListView1_DblClick() {
    // The entry double-clicked is the current one; other selected entries stay.
    QTreeWidgetItem* current = ListView1->currentItem();
    if (current && current->isSelected())
        removeEntries({current});
}

void FileListPanel::ListView1_KeyDown(int key) {
    // With nothing selected there is nothing the user pointed at, so nothing goes.
    if (key == Qt::Key_Delete)
        removeEntries(ListView1->selectedItems());
}

void FileListPanel::removeEntries(const QList<QTreeWidgetItem*>& items) {
    // While the window is busy, a walk, a check or a run reads the entries by position.
    if (m_needs.busy.isBusy() || entryCount() == 0)
        return;
    for (QTreeWidgetItem* item : items)
        delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(item));
}

void FileListPanel::ListView1_OLEDragDrop(const QStringList& paths) {
    AppendDroppedPaths(*this, paths, m_needs.dialogs, &m_needs.waiter);
    m_needs.checkReadability();
}

// The example documents that ship beside the program.
void FileListPanel::prepareSampleSnapshot() {
    PrepareSampleSnapshot(m_needs.settings, m_needs.programFolder);
}

void FileListPanel::PushButton6_Click() {
    TrappedProcedure proc(m_needs.dialogs, QStringLiteral("Form1.PushButton6_Click"));
    proc.step(
        [&] { LoadSampleFiles(*this, m_needs.settings, m_needs.dialogs, m_needs.programFolder); });
    proc.step([&] { m_needs.checkReadability(); });
}

} // namespace corvander
