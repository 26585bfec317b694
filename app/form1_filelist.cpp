// The file list's buttons, removal and drops.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "common/error_report.h"
#include "filelist/command_line_paths.h"
#include "filelist/list_sources.h"

FileListContext Form1::fileListContext() {
    return {m_dialogs, m_settings, *this, *this, [this] { runReadabilityCheck(); }, &waiter()};
}

void Form1::PushButton1_Click() {
    FileListContext context = fileListContext();
    AddFilesThroughOpenDialog(context);
}

void Form1::openCommandLinePaths(const QStringList& paths) {
    FileListContext context = fileListContext();
    AddCommandLinePaths(context, paths);
}

void Form1::PushButton3_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.PushButton3_Click"));
    proc.step([&] {
        if (!isBusy())
            ListView1->clear();
    });
}

void Form1::PushButton5_Click() {
    FileListContext context = fileListContext();
    AddAllFilesInFolder(context);
}

void Form1::ListView1_DblClick() {
    // The entry double-clicked is the current one; other selected entries stay.
    QTreeWidgetItem* current = ListView1->currentItem();
    if (current && current->isSelected())
        removeEntries({current});
}

void Form1::ListView1_KeyDown(int key) {
    // With nothing selected there is nothing the user pointed at, so nothing goes.
    if (key == Qt::Key_Delete)
        removeEntries(ListView1->selectedItems());
}

void Form1::removeEntries(const QList<QTreeWidgetItem*>& items) {
    // While the window is busy, a walk, a check or a run reads the entries by position.
    if (isBusy() || entryCount() == 0)
        return;
    for (QTreeWidgetItem* item : items)
        delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(item));
}

void Form1::ListView1_OLEDragDrop(const QStringList& paths) {
    AppendDroppedPaths(*this, paths, m_dialogs, &waiter());
    runReadabilityCheck();
}
