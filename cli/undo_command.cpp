#include "cli/commands.h"

#include "cli/exit_status.h"
#include "cli/output_fields.h"
#include "cli/terminal_progress.h"
#include "journal/journal_folder.h"
#include "journal/journal_lines.h"
#include "journal/journal_undo.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>

namespace corvander {

namespace {

// Why nothing was undone, for standard error; empty when the undo went ahead.
QString nothingUndone(UndoStatus status, const QString& refusal, const QString& journal) {
    switch (status) {
    case UndoStatus::Done:
        break;
    case UndoStatus::AlreadyUndone:
        return QCoreApplication::translate("corvander::CommandLine",
                                           "the run of %1 was undone already")
            .arg(journal);
    case UndoStatus::InUse:
        return QCoreApplication::translate(
                   "corvander::CommandLine",
                   "the run of %1 is still going or being undone; nothing was removed")
            .arg(journal);
    case UndoStatus::Unreadable:
        return QCoreApplication::translate(
                   "corvander::CommandLine",
                   "%1 cannot be read as a run journal; nothing was removed")
            .arg(journal);
    case UndoStatus::Refused:
        return QCoreApplication::translate("corvander::CommandLine",
                                           "%1 is refused (%2); nothing was removed")
            .arg(journal, refusal);
    }
    return {};
}

// The output: "removed PATH" and "kept PATH REASON", or JSON Lines with the keys "result",
// "path" and "reason".
class UndoLines {
public:
    explicit UndoLines(bool json) : m_json(json) {}

    // The path as the file system's bytes: exactly the name removed or left alone.
    void removed(const QByteArray& path) { write("removed", path, {}); }
    void kept(const QByteArray& path, const QString& reason) { write("kept", path, reason); }
    bool writeFailed() const { return m_writeFailed; }
    // Standard output is a pipe nobody reads any more.
    bool readerGone() const { return m_readerGone; }

private:
    void write(const char* result, const QByteArray& path, const QString& reason) {
        const OutputField pathField = path;
        QByteArray line;
        if (m_json) {
            QList<std::pair<const char*, OutputField>> members{{"result", result},
                                                               {"path", pathField}};
            if (!reason.isEmpty())
                members.append({"reason", reason.toUtf8()});
            line = jsonLine(members);
        } else {
            QList<OutputField> fields{result, pathField};
            if (!reason.isEmpty())
                fields.append(reason.toUtf8());
            line = tsvLine(fields);
        }
        if (!m_writeFailed && !writeLine(1, line)) {
            m_writeFailed = true;
            m_readerGone = errno == EPIPE;
        }
    }

    bool m_json;
    bool m_writeFailed = false;
    bool m_readerGone = false;
};

// The journal the command acts on: the one named, or the one the window's "Undo Last Run"
// would pick. Empty, after telling why, when there is nothing to undo.
QString chosenJournal(const CommandArguments& arguments) {
    if (arguments.paths.isEmpty()) {
        if (const std::optional<QString> going = runGoingOnJournal()) {
            tellError(nullptr, QCoreApplication::translate(
                                   "corvander::CommandLine",
                                   "the last run is still going on (%1); undo it once it "
                                   "has ended")
                                   .arg(*going));
            return {};
        }
        const std::optional<QString> last = lastRunJournal();
        if (!last)
            tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                           "there is no run to undo"));
        return last.value_or(QString());
    }
    const QString journal = QFile::decodeName(arguments.paths.first());
    // The undo itself finds the other reasons under the journal's lock; a run that copied nothing
    // would only be marked, and nothing said.
    const std::optional<JournalContent> content = readJournal(journal);
    if (content && !content->undone && content->copies() == 0 && !journalInUse(journal)) {
        tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                       "the run of %1 made no copies")
                               .arg(journal));
        return {};
    }
    return journal;
}

} // namespace

int runUndoCommand(const CommandArguments& arguments) {
    if (arguments.paths.size() > 1)
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "give at most one journal"));
    const QString journal = chosenJournal(arguments);
    if (journal.isEmpty())
        return kExitCannotStart;

    const UndoOutcome outcome = undoRun(journal);
    if (const QString problem = nothingUndone(outcome.status, outcome.refusal, journal);
        !problem.isEmpty()) {
        tellError(nullptr, problem);
        return kExitCannotStart;
    }
    UndoLines lines(arguments.flags.contains(QStringLiteral("--json")));
    for (const QByteArray& path : outcome.removedBytes)
        lines.removed(path);
    for (qsizetype i = 0; i < outcome.kept.size(); ++i)
        lines.kept(outcome.keptBytes.value(i), outcome.kept[i].second);
    // The copies are gone, but an undo of the same run would then act again and call every one
    // of them missing.
    if (!outcome.journalError.isEmpty()) {
        tellError(nullptr, outcome.journalError);
        return kExitSomeNotDone;
    }
    // The copies are gone all the same; only the lines went unread.
    if (lines.readerGone())
        return kExitReaderGone;
    if (lines.writeFailed()) {
        tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                       "the output could not be written"));
        return kExitSomeNotDone;
    }
    return outcome.kept.isEmpty() ? kExitAllDone : kExitSomeNotDone;
}

} // namespace corvander
