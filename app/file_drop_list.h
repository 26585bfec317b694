#pragma once

#include <QPersistentModelIndex>
#include <QStringList>
#include <QTreeWidget>

namespace corvander {

// The file list control: a report list that takes file drops and tells the window about
// double-clicks and key presses. When the planned names show beside the paths, a name can be
// edited (double-click or F2); the name typed is handed on, and the list keeps showing the
// planned one until the names are planned again.
class FileDropList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FileDropList(QWidget* parent = nullptr);

    // True when the data is a drop of local files, the only kind the list accepts.
    static bool carriesLocalFiles(const QMimeData* data);
    static QStringList localPaths(const QMimeData* data);

Q_SIGNALS:
    void keyDown(int key);
    // Sent once the drop itself has finished, so the drag source is not kept waiting.
    void filesDropped(const QStringList& paths);
    // A planned name was edited into `name` in the row (0-based).
    void nameEdited(int row, const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    // The name being edited; the current index may have moved on when the edit is committed.
    QPersistentModelIndex m_editedName;
};

} // namespace corvander
