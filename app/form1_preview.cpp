// The menus of the run, the plan shown beside the list, and what makes it stale.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "app/text_progress_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

constexpr int kNameColumn = 1;

} // namespace

void Form1::createRunMenus() {
    mnuPreview = mnuRename->addAction(QStringLiteral("&Preview Names"));
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuPreview, &QAction::triggered, this, &Form1::mnuPreview_Click);
    mnuStop = mnuRename->addAction(QStringLiteral("S&top"));
    mnuStop->setObjectName(QStringLiteral("mnuStop"));
    mnuStop->setShortcut(QKeySequence(Qt::Key_Escape));
    mnuStop->setEnabled(false);
    connect(mnuStop, &QAction::triggered, this, &Form1::mnuStop_Click);
    mnuRename->addSeparator();
    mnuUndo = mnuRename->addAction(QStringLiteral("&Undo Last Run"));
    mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    connect(mnuUndo, &QAction::triggered, this, &Form1::mnuUndo_Click);
    mnuReport = mnuRename->addAction(QStringLiteral("Save &Report..."));
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    connect(mnuReport, &QAction::triggered, this, &Form1::mnuReport_Click);

    mnuPreviewFirst = mnuOptions->addAction(QStringLiteral("&Preview names before copying"));
    mnuPreviewFirst->setObjectName(QStringLiteral("mnuPreviewFirst"));
    mnuPreviewFirst->setCheckable(true);
    // The progress bar stops a run when clicked.
    ProgressBar1->installEventFilter(this);
    watchForEdits();
}

bool Form1::stopOnProgressClick(QObject* watched, QEvent* event) {
    if (watched != ProgressBar1 || event->type() != QEvent::MouseButtonPress || !m_runInProgress)
        return false;
    mnuStop_Click();
    return true;
}

void Form1::watchForEdits() {
    // Any change to the list or to the options makes a shown plan stale.
    const auto stale = [this] {
        if (m_previewShown && !m_runInProgress)
            discardPreview();
    };
    QAbstractItemModel* entries = ListView1->model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, stale);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(entries, &QAbstractItemModel::modelReset, this, stale);
    connect(Option1, &QRadioButton::toggled, this, stale);
    connect(Option2, &QRadioButton::toggled, this, stale);
    connect(Combo1, &QComboBox::currentIndexChanged, this, stale);
    connect(Text1, &QLineEdit::textChanged, this, stale);
    connect(Text2, &QLineEdit::textChanged, this, stale);
    connect(Check1, &QCheckBox::toggled, this, stale);
}

void Form1::showPlannedName(int position, const FileOutcome& outcome) {
    if (!m_previewShown) {
        m_previewShown = true;
        m_pathColumnWidth = ListView1->columnWidth(0);
        ListView1->setColumnCount(2);
        ListView1->setHeaderLabels({QStringLiteral(" PDF File(s)"), QStringLiteral("New name")});
        // The paths keep the larger share; the names take the rest of the list's width.
        const int width = ListView1->viewport()->width();
        ListView1->setColumnWidth(0, width * 3 / 5);
        ListView1->setColumnWidth(kNameColumn, width - width * 3 / 5);
    }
    QTreeWidgetItem* item = ListView1->topLevelItem(position - 1);
    if (!item)
        return;
    const corvander::PlannedFile& plan = outcome.plan;
    item->setText(kNameColumn,
                  plan.copies()
                      ? outcome.fileName
                      : QStringLiteral("(skipped: %1)").arg(corvander::skipReasonText(plan.skip)));
    item->setToolTip(kNameColumn, plan.provenance.describe());
}

void Form1::discardPreview() {
    m_plan = {};
    if (!m_previewShown)
        return;
    m_previewShown = false;
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral(" PDF File(s)")});
    ListView1->setColumnWidth(0, m_pathColumnWidth);
}
