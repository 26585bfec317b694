// Undoing the last run and reporting on it, from the journal each run keeps.
#include "app/run_controller.h"

#include "common/error_report.h"
#include "journal/journal_folder.h"
#include "journal/journal_report.h"
#include "journal/journal_undo.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>

namespace corvander {

void RunController::pruneOldJournals() {
    corvander::pruneJournals(QDateTime::currentDateTime());
}

void RunController::mnuUndo_Click() {
    if (m_runInProgress)
        return;
    Dialogs& dialogs = m_needs.dialogs;
    TrappedProcedure proc(dialogs, QStringLiteral("Form1.mnuUndo_Click"));
    proc.step([&] {
        if (runGoingOnJournal()) {
            dialogs.showMessage(QCoreApplication::translate(
                "corvander::RunController",
                "The last run is still going on. Undo it once it has ended."));
            return;
        }
        const std::optional<QString> journal = lastRunJournal();
        const std::optional<UndoPlan> plan = journal ? planUndo(*journal) : std::nullopt;
        if (!plan) {
            dialogs.showMessage(QCoreApplication::translate("corvander::RunController",
                                                            "There is no run to undo."));
            return;
        }
        if (!dialogs.askYesNo(
                QCoreApplication::translate("corvander::RunController",
                                            "Remove the %1 copies that the last run made in "
                                            "%2?\r\n\r\nYour own files are not touched.")
                    .arg(plan->copies)
                    .arg(plan->resultsFolder)))
            return;
        dialogs.showMessage(undoMessage(undoRun(plan->journal)));
    });
    // Undoing steps back to the run before, if there is one.
    refreshJournalItems();
}

void RunController::refreshJournalItems() {
    if (!mnuUndo)
        return;
    // A run still going is offered too: the undo says to wait for its end.
    mnuUndo->setEnabled(!m_runInProgress && (lastRunJournal() || runGoingOnJournal()));
    mnuReport->setEnabled(lastReportJournal().has_value());
}

void RunController::mnuReport_Click() {
    Dialogs& dialogs = m_needs.dialogs;
    TrappedProcedure proc(dialogs, QStringLiteral("Form1.mnuReport_Click"));
    proc.step([&] {
        const std::optional<QString> journal = lastReportJournal();
        const std::optional<QByteArray> csv = journal ? journalCsv(*journal) : std::nullopt;
        if (!csv) {
            dialogs.showMessage(QCoreApplication::translate("corvander::RunController",
                                                            "There is no run to report on."));
            return;
        }
        const QString path = dialogs.saveFile(
            QCoreApplication::translate("corvander::RunController", "Save Report"),
            QDir::home().filePath(QStringLiteral("corvander-report.csv")),
            QCoreApplication::translate("corvander::RunController", "CSV Files (*.csv)"));
        if (path.isEmpty())
            return;
        // Written whole or not at all: a half report would look like a whole one.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*csv) != csv->size() || !file.commit())
            raiseError(QCoreApplication::translate("corvander::RunController",
                                                   "The report could not be saved: ") +
                       file.errorString());
    });
}

} // namespace corvander
