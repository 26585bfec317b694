#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace corvander {

// The file list control: a one-column report list that takes file drops and tells the window about
// double-clicks and key presses.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace corvander
