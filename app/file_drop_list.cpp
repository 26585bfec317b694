#include "app/file_drop_list.h"

#include "app/path_item_delegate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace corvander {

FileDropList::FileDropList(QWidget* parent) : QTreeWidget(parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setRootIsDecorated(false);
    // Shift and Ctrl pick several entries, which Delete then takes out together.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Only the planned names are edited; see edit().
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new PathItemDelegate(this));
}

bool FileDropList::carriesLocalFiles(const QMimeData* data) {
    return !localPaths(data).isEmpty();
}

QStringList FileDropList::localPaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

void FileDropList::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(event->key());
    QTreeWidget::keyPressEvent(event);
}

void FileDropList::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileDropList::dragMoveEvent(QDragMoveEvent* event) {
    if (carriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileDropList::dropEvent(QDropEvent* event) {
    const QStringList paths = localPaths(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drag source waits for the drop to finish; walking folders and checking every file
    // inside the drop would hold it (and the file manager) until the end. Handle it right after.
    QMetaObject::invokeMethod(
        this, [this, paths] { Q_EMIT filesDropped(paths); }, Qt::QueuedConnection);
}

namespace {
constexpr int kNameColumn = 1;
} // namespace

// The paths are never edited: a double-click on one takes the entry out. F2 edits the planned name
// of the current entry whichever of its cells is current.
bool FileDropList::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || columnCount() <= kNameColumn)
        return false;
    QModelIndex name = index;
    if (index.column() != kNameColumn) {
        if (trigger != EditKeyPressed)
            return false;
        name = index.siblingAtColumn(kNameColumn);
        setCurrentIndex(name);
    }
    if (!QTreeWidget::edit(name, trigger, event))
        return false;
    m_editedName = name;
    return true;
}

// The typed name is not written into the list: what shows there stays the planned name.
void FileDropList::commitData(QWidget* editor) {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    const QModelIndex index = m_editedName;
    if (!line || !index.isValid())
        return;
    const QString typed = line->text();
    if (typed != index.data().toString())
        Q_EMIT nameEdited(index.row(), typed);
}

} // namespace corvander
