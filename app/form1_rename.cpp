// The rename run behind "Start Renaming", and the preview that may come before it.
#include "app/form1.h"

#include "app/text_progress_bar.h"
#include "run/rename_run.h"

#include <QAction>
#include <QScopedValueRollback>

RenameRunPorts Form1::renameRunPorts() {
    return {m_dialogs,
            *this,
            *this,
            *this,
            *this,
            *m_pool,
            waiter(),
            {QStringLiteral("Form1.PushButton2_Click"), QStringLiteral("Form1.RenameFile"),
             QStringLiteral("Form1.RenameMeta")}};
}

void Form1::PushButton2_Click() {
    // With "Preview names before copying" the first press shows the plan; the next carries it out.
    const bool previewFirst = mnuPreviewFirst && mnuPreviewFirst->isChecked();
    runRenaming(previewFirst && !m_previewShown);
}

void Form1::mnuPreview_Click() {
    runRenaming(true);
}

void Form1::mnuStop_Click() {
    if (m_runInProgress)
        m_stopRequested = true;
}

void Form1::runRenaming(bool preview) {
    if (m_runInProgress)
        return;
    {
        // A worker may be asked for the OCR languages, and the window lives meanwhile: a second
        // press must not start a second run.
        const QScopedValueRollback<bool> busy(m_runInProgress, true);
        applyOcrSettings();
    }
    RunOptions options;
    options.stopRequested = [this] { return m_stopRequested; };
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
    RunRenaming(ports, m_runInProgress, options);
    mnuStop->setEnabled(false);
    // A plan is carried out once; the copies it made now stand in the results folder.
    if (!preview)
        discardPreview();
}
