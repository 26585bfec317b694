#include "app/file_drop_list.h"

#include "app/path_item_delegate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
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
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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

} // namespace corvander
