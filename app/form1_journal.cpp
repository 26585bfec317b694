// Undoing the last run and reporting on it, from the journal each run keeps.
#include "app/form1.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "journal/journal_folder.h"
#include "journal/journal_report.h"
#include "journal/journal_undo.h"

#include <QDir>
#include <QSaveFile>

void Form1::mnuUndo_Click() {
    if (m_runInProgress)
        return;
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuUndo_Click"));
    proc.step([&] {
        const std::optional<QString> journal = corvander::lastRunJournal();
        const std::optional<corvander::UndoPlan> plan =
            journal ? corvander::planUndo(*journal) : std::nullopt;
        if (!plan) {
            m_dialogs.showMessage(QStringLiteral("There is no run to undo."));
            return;
        }
        if (!m_dialogs.askYesNo(QStringLiteral("Remove the %1 copies that the last run made in "
                                               "%2?\r\n\r\nYour own files are not touched.")
                                    .arg(plan->copies)
                                    .arg(plan->resultsFolder)))
            return;
        m_dialogs.showMessage(corvander::undoMessage(corvander::undoRun(plan->journal)));
    });
}

void Form1::mnuReport_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuReport_Click"));
    proc.step([&] {
        const std::optional<QString> journal = corvander::lastReportJournal();
        const std::optional<QByteArray> csv =
            journal ? corvander::journalCsv(*journal) : std::nullopt;
        if (!csv) {
            m_dialogs.showMessage(QStringLiteral("There is no run to report on."));
            return;
        }
        const QString path =
            m_dialogs.saveFile(QStringLiteral("Save Report"),
                               QDir::home().filePath(QStringLiteral("corvander-report.csv")),
                               QStringLiteral("CSV Files (*.csv)"));
        if (path.isEmpty())
            return;
        // Written whole or not at all: a half report would look like a whole one.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*csv) != csv->size() || !file.commit())
            raiseError(QStringLiteral("The report could not be saved: ") + file.errorString());
    });
}
