#include "app/run_controller.h"

#include "app/shown_reason.h"

#include "app/drawn_area.h"
#include "extract/extraction_pool.h"
#include "extract/reason_texts.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>

namespace corvander {

RunController::RunController(QWidget* window, DrawnArea& area, Needs needs)
    : m_needs(std::move(needs)), m_skipCopied(m_needs.settings) {
    ProgressBar1 =
        area.place<TextProgressBar>(window, "ProgressBar1", 120, 8145, 7800, 405, Across::Stretch);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setText(tr("Progress Bar"));
    ProgressBar1->setAccessibleName(tr("Progress"));
    // The progress bar stops a run when clicked.
    ProgressBar1->installEventFilter(this);
    PushButton2 =
        area.place<QPushButton>(window, "PushButton2", 120, 7620, 7800, 405, Across::Stretch);
    PushButton2->setText(tr("Start Renaming"));
    connect(PushButton2, &QPushButton::clicked, this, &RunController::PushButton2_Click);
}

void RunController::addMenuItems(QMenu* rename, QMenu* options) {
    mnuPreview = rename->addAction(tr("&Preview Names"));
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuPreview, &QAction::triggered, this, &RunController::mnuPreview_Click);
    mnuStop = rename->addAction(tr("S&top"));
    mnuStop->setObjectName(QStringLiteral("mnuStop"));
    mnuStop->setShortcut(QKeySequence(Qt::Key_Escape));
    mnuStop->setEnabled(false);
    connect(mnuStop, &QAction::triggered, this, &RunController::mnuStop_Click);
    rename->addSeparator();
    mnuUndo = rename->addAction(tr("&Undo Last Run"));
    mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    connect(mnuUndo, &QAction::triggered, this, &RunController::mnuUndo_Click);
    mnuReport = rename->addAction(tr("Save &Report..."));
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    connect(mnuReport, &QAction::triggered, this, &RunController::mnuReport_Click);
    refreshJournalItems();

    mnuPreviewFirst = options->addAction(tr("&Preview names before copying"));
    mnuPreviewFirst->setObjectName(QStringLiteral("mnuPreviewFirst"));
    mnuPreviewFirst->setCheckable(true);
    m_skipCopied.addMenuItem(options);
    // A shown plan was made the other way.
    connect(&m_skipCopied, &SkipCopiedOption::changed, this, &RunController::planMayBeStale);
}

QWidget* RunController::setTabOrderAfter(QWidget* previous) {
    QWidget::setTabOrder(previous, PushButton2);
    return PushButton2;
}

int RunController::progressValue() const {
    return ProgressBar1->value();
}
QString RunController::progressText() const {
    return ProgressBar1->text();
}
void RunController::setProgressValue(int value) {
    ProgressBar1->setValue(value);
}
void RunController::setProgressText(const QString& text) {
    ProgressBar1->setText(text);
}

bool RunController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ProgressBar1 && event->type() == QEvent::MouseButtonPress && m_runInProgress) {
        mnuStop_Click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

RenameRunPorts RunController::renameRunPorts() {
    return {m_needs.dialogs,
            *this,
            m_needs.busy,
            m_needs.list,
            m_needs.controls,
            m_needs.pool,
            m_needs.waiter,
            {QStringLiteral("Form1.PushButton2_Click"), QStringLiteral("Form1.RenameFile"),
             QStringLiteral("Form1.RenameMeta")}};
}

void RunController::PushButton2_Click() {
    // With "Preview names before copying" the first press shows the plan; the next carries it out.
    const bool previewFirst = mnuPreviewFirst && mnuPreviewFirst->isChecked();
    runRenaming(previewFirst && !m_previewShown);
}

void RunController::mnuPreview_Click() {
    runRenaming(true);
}

void RunController::mnuStop_Click() {
    if (m_runInProgress)
        m_stopRequested = true;
}

void RunController::runRenaming(bool preview) {
    if (m_runInProgress || !m_needs.readyToRun())
        return;
    {
        // A worker may be asked for the OCR languages, and the window lives meanwhile: a second
        // press must not start a second run.
        const QScopedValueRollback<bool> busy(m_runInProgress, true);
        m_needs.prepareReading();
    }
    RunOptions options;
    options.stopRequested = [this] { return m_stopRequested; };
    options.skipCopied = m_skipCopied.isChecked();
    if (preview) {
        discardPreview();
        options.preview = true;
        options.planOut = &m_plan;
        options.fileDone = [this](int position, const FileOutcome& outcome) {
            showPlannedName(position, outcome);
        };
    } else if (m_previewShown) {
        options.plan = &m_plan;
    }
    const RenameRunPorts ports = renameRunPorts();
    m_stopRequested = false;
    mnuStop->setEnabled(true);
    mnuUndo->setEnabled(false);
    RunRenaming(ports, m_runInProgress, options);
    mnuStop->setEnabled(false);
    refreshJournalItems();
    // A plan is carried out once; the copies it made now stand in the results folder.
    if (!preview)
        discardPreview();
}

void RunController::planMayBeStale() {
    if (m_previewShown && !m_runInProgress)
        discardPreview();
}

void RunController::showPlannedName(int position, const FileOutcome& outcome) {
    m_previewShown = true;
    const PlannedFile& plan = outcome.plan;
    m_needs.plannedNames.showPlannedName(
        position,
        plan.copies()
            ? outcome.fileName
            : tr("(skipped: %1)")
                  .arg(shownReason(outcome.copiedBefore.isEmpty()
                                       ? plan.skipTextWithHint(m_needs.pool.ocr().enabled,
                                                               reasons::ocrHintForWindow())
                                       : outcome.skipText())),
        plan.provenance.describe());
}

void RunController::discardPreview() {
    m_plan = {};
    if (!m_previewShown)
        return;
    m_previewShown = false;
    m_needs.plannedNames.hidePlannedNames();
}

} // namespace corvander
