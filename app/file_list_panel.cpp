#include "app/file_list_panel.h"

#include "app/drawn_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>

namespace corvander {

namespace {

// The list gives height first when the screen is low, down to its header and two rows.
constexpr int kListFloor = 60;
// The path column never gets narrower than this while it follows the list.
constexpr int kNarrowestColumn = 60;
constexpr int kNameColumn = 1;

QString pathHeader() {
    return QCoreApplication::translate("corvander::FileListPanel", " PDF File(s)");
}

} // namespace

FileListPanel::FileListPanel(QWidget* window, DrawnArea& area, Needs needs)
    : m_needs(std::move(needs)) {
    ListView1 =
        area.place<FileDropList>(window, "ListView1", 120, 630, 7800, 1815, Across::Stretch);
    ListView1->setToolTip(
        tr("Drag and drop files here. Double-click item to remove it. Move | line to "
           "right and out of window to reveal full names."));
    ListView1->setColumnCount(0);
    area.setGrowing(ListView1, kListFloor);
    m_listWidth = ListView1->width();
    PushButton5 =
        area.place<QPushButton>(window, "PushButton5", 4080, 2530, 3840, 405, Across::RightHalf);
    PushButton5->setText(tr("Add All PDF File(s) In Folder"));
    PushButton1 =
        area.place<QPushButton>(window, "PushButton1", 120, 2530, 3840, 405, Across::LeftHalf);
    PushButton1->setText(tr("Add PDF File(s)"));
    PushButton3 =
        area.place<QPushButton>(window, "PushButton3", 120, 3040, 3840, 405, Across::LeftHalf);
    PushButton3->setText(tr("Clear List"));
    PushButton6 =
        area.place<QPushButton>(window, "PushButton6", 4080, 3040, 3840, 405, Across::RightHalf);
    PushButton6->setText(tr("Load Sample/Example Files"));

    ListView1->setAccessibleName(tr("File list"));
    ListView1->setAccessibleDescription(ListView1->toolTip());

    connect(PushButton1, &QPushButton::clicked, this, &FileListPanel::PushButton1_Click);
    connect(PushButton3, &QPushButton::clicked, this, &FileListPanel::PushButton3_Click);
    connect(PushButton5, &QPushButton::clicked, this, &FileListPanel::PushButton5_Click);
    connect(PushButton6, &QPushButton::clicked, this, &FileListPanel::PushButton6_Click);
    // A double-click on a planned name edits it rather than taking the entry out.
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int column) {
        if (column != kNameColumn)
            ListView1_DblClick();
    });
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &FileListPanel::tellSelectedEntry);
    connect(ListView1, &QTreeWidget::currentItemChanged, this, &FileListPanel::tellSelectedEntry);
    connect(ListView1, &FileDropList::nameEdited, this, [this](int row, const QString& name) {
        if (!m_needs.busy.isBusy())
            Q_EMIT plannedNameEdited(entryText(row + 1), name);
    });
    connect(ListView1, &FileDropList::keyDown, this, &FileListPanel::ListView1_KeyDown);
    connect(ListView1, &FileDropList::filesDropped, this, &FileListPanel::ListView1_OLEDragDrop);
    QAbstractItemModel* entries = ListView1->model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, &FileListPanel::entriesChanged);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, &FileListPanel::entriesChanged);
    connect(entries, &QAbstractItemModel::modelReset, this, &FileListPanel::entriesChanged);
    ListView1->installEventFilter(this);
    connect(ListView1->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FileListPanel::scrolled);
}

QWidget* FileListPanel::setTabOrderAfter(QWidget* previous) {
    for (QWidget* next : {static_cast<QWidget*>(ListView1), static_cast<QWidget*>(PushButton1),
                          static_cast<QWidget*>(PushButton5), static_cast<QWidget*>(PushButton3),
                          static_cast<QWidget*>(PushButton6)}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return previous;
}

int FileListPanel::entryCount() const {
    return ListView1->topLevelItemCount();
}

QString FileListPanel::entryText(int position) const {
    const QTreeWidgetItem* item = ListView1->topLevelItem(position - 1);
    return item ? item->text(0) : QString();
}

void FileListPanel::appendEntry(const QString& path) {
    auto* item = new QTreeWidgetItem(QStringList{path});
    // The list may show a long path shortened; its tool tip always has it whole.
    item->setToolTip(0, path);
    // Only the planned name is ever edited (FileDropList::edit).
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    ListView1->addTopLevelItem(item);
}

void FileListPanel::tellSelectedEntry() {
    const QTreeWidgetItem* current = ListView1->currentItem();
    if (!current || !current->isSelected()) {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        current = selected.isEmpty() ? nullptr : selected.first();
    }
    Q_EMIT selectedEntryChanged(current ? current->text(0) : QString());
}

void FileListPanel::addListColumn() {
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({pathHeader()});
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, 467);
}

bool FileListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1 && event->type() == QEvent::Resize)
        followListWidth(static_cast<QResizeEvent*>(event)->size().width());
    return QObject::eventFilter(watched, event);
}

// The path column grows and shrinks with the list, keeping wherever the user put its edge.
void FileListPanel::followListWidth(int width) {
    const int grown = width - m_listWidth;
    m_listWidth = width;
    if (grown != 0 && ListView1->columnCount() > 0)
        ListView1->setColumnWidth(0, std::max(kNarrowestColumn, ListView1->columnWidth(0) + grown));
}

void FileListPanel::showPlannedName(int position, const QString& name, const QString& toolTip) {
    if (!m_namesShown) {
        m_namesShown = true;
        m_pathColumnWidth = ListView1->columnWidth(0);
        ListView1->setColumnCount(2);
        ListView1->setHeaderLabels({pathHeader(), tr("New name")});
        // The paths keep the larger share; the names take the rest of the list's width.
        const int width = ListView1->viewport()->width();
        ListView1->setColumnWidth(0, width * 3 / 5);
        ListView1->setColumnWidth(kNameColumn, width - width * 3 / 5);
    }
    QTreeWidgetItem* item = ListView1->topLevelItem(position - 1);
    if (!item)
        return;
    item->setText(kNameColumn, name);
    item->setToolTip(kNameColumn, toolTip);
}

QList<int> FileListPanel::visiblePositions() const {
    QList<int> positions;
    const QRect shown = ListView1->viewport()->rect();
    const QModelIndex first = ListView1->indexAt(shown.topLeft());
    if (!first.isValid())
        return positions;
    const QModelIndex last = ListView1->indexAt(QPoint(0, shown.bottom()));
    const int end = last.isValid() ? last.row() : ListView1->topLevelItemCount() - 1;
    for (int row = first.row(); row <= end; ++row)
        positions << row + 1;
    return positions;
}

void FileListPanel::hidePlannedNames() {
    if (!m_namesShown)
        return;
    m_namesShown = false;
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({pathHeader()});
    ListView1->setColumnWidth(0, m_pathColumnWidth);
}

} // namespace corvander
