#include "run/rename_run_state.h"

#include "common/path_helpers.h"
#include "common/waiter.h"
#include "common/window_port.h"
#include "copying/safe_copy.h"
#include "extract/waiting_progress.h"
#include "run/run_requests.h"
#include <QCoreApplication>

namespace corvander {

namespace {

int percentDone(int done, int count) {
    return count > 0 ? int(qint64(done) * 100 / count) : 0;
}

} // namespace

void RenameRun::handleFile() {
    QString path;
    bool skipped = true;
    m_proc.at(114, [&] { path = m_request.files.at(m_position - 1); });
    // The workers go on with the next files while this one is worked out.
    m_proc.step(
        [&] { m_ahead.fill(m_position, m_count, [this](int at) { return requestFor(at); }); });
    m_proc.step([&] { m_ports.progress.setProgressValue(percentDone(m_position, m_count)); });
    m_proc.step([&] {
        m_ports.progress.setProgressText(
            QCoreApplication::translate("corvander::RenameRun", "Processing: ") + FileNameOf(path));
    });
    m_proc.step([&] { m_ports.waiter.yieldOnce(); });
    m_proc.step([&] {
        m_ports.busy.setBusy(true);
        m_identity = corvander::identityOfFile(path);
        m_told = false;
    });
    // A number that does not fit fails here, is reported, and leaves the file skipped.
    m_proc.step([&] {
        if (alreadyCopied(path)) {
            skipped = false;
            return;
        }
        const corvander::PlanRow* planned =
            m_options.plan ? m_options.plan->unchangedRow(m_position, path) : nullptr;
        // Whether a file is already copied is decided afresh when the plan is carried out, and a
        // document the preview could not open is tried again, with the password asked anew.
        if (planned && (planned->outcome.plan.skip == corvander::SkipReason::AlreadyCopied ||
                        planned->outcome.plan.skip == corvander::SkipReason::PasswordNeeded ||
                        planned->outcome.plan.skip == corvander::SkipReason::WrongPassword))
            planned = nullptr;
        skipped = planned ? !finishPlanned(planned->outcome.plan, path)
                          : renameOne(m_context, m_parameters, path);
    });
    m_proc.step([&] {
        const QString failure = m_ports.pool.takeStartFailure();
        if (!failure.isEmpty())
            raiseError(failure);
    });
    m_proc.step([&] {
        ++m_handled;
        if (skipped)
            m_skippedList += QStringLiteral("\r\n") + path;
        // A file that ended in an error report before its plan was made.
        if (skipped && !m_told && m_writing)
            m_writing->record(corvander::FileRecord::skipped(
                path, QStringLiteral("an error was reported"), QString()));
    });
    m_proc.step([&] { m_ports.busy.setBusy(true); });
}

void RenameRun::startSkippingCopied() {
    if (!m_options.skipCopied)
        return;
    m_skipCopied.emplace(m_folder->path(), m_request.files, m_options.copiedIndex);
}

// Tells the file's end when an identical copy of it already stands in the results folder.
bool RenameRun::alreadyCopied(const QString& path) {
    if (!m_skipCopied)
        return false;
    const std::optional<QString> name = m_skipCopied->copiedAs(m_position, m_ports.waiter);
    if (!name)
        return false;
    FileOutcome outcome;
    outcome.plan.source = path;
    outcome.plan.skip = corvander::SkipReason::AlreadyCopied;
    outcome.copiedBefore = *name;
    fileFinished(outcome);
    return true;
}

// A preview's plan for a file that changed after the preview read it is made again, from
// the file as it is now.
bool RenameRun::finishPlanned(const corvander::PlannedFile& plan, const QString& path) {
    try {
        return finishFile(m_context, plan);
    } catch (const SourceChanged&) {
        return !renameOne(m_context, m_parameters, path);
    }
}

// Every extraction of the run carries its password; documents without one ignore it.
std::optional<ExtractRequest> RenameRun::requestFor(int position) const {
    const QString& path = m_request.files.at(position - 1);
    if (m_options.plan && m_options.plan->unchangedRow(position, path))
        return std::nullopt;
    std::optional<ExtractRequest> request = expectedRequest(choiceNow(), m_parameters, path);
    if (request)
        request->password = m_password;
    return request;
}

ExtractResult RenameRun::extract(ExtractRequest request, bool showProgress) {
    for (;;) {
        request.password = m_password;
        const corvander::Extractor::Ticket ticket = m_ahead.claim(m_position, request);
        ExtractResult result;
        if (!showProgress) {
            result = corvander::waitForResult(m_ports.pool, m_ports.waiter, ticket);
        } else {
            corvander::WaitingProgress progress(&m_ports.progress, m_ports.progress.progressText(),
                                                m_ports.progress.progressValue(), m_count);
            result = corvander::waitForResult(m_ports.pool, m_ports.waiter, ticket, &progress);
        }
        if (result.outcome != ExtractResult::Outcome::Answered || !result.needsPassword ||
            !askPassword(result.passwordRejected))
            return result;
    }
}

bool RenameRun::askPassword(bool wrong) {
    if (m_passwordDeclined || !m_request.askForPassword)
        return false;
    const QString prompt =
        QCoreApplication::translate("corvander::RenameRun", "Password for protected PDF files:");
    const std::optional<QString> answer = m_dialogs.askText(
        wrong ? QCoreApplication::translate("corvander::RenameRun", "Wrong password. ") + prompt
              : prompt,
        {}, {}, true);
    // Cancel, or nothing to try.
    if (!answer || answer->isEmpty()) {
        m_passwordDeclined = true;
        return false;
    }
    m_password = *answer;
    if (m_options.planOut)
        m_options.planOut->password = m_password;
    return true;
}

void RenameRun::record(const FileOutcome& outcome) {
    const corvander::Provenance& provenance = outcome.plan.provenance;
    // A file already copied was never read for a name.
    const QString madeFrom =
        outcome.copiedBefore.isEmpty()
            ? provenance.family() + QStringLiteral(": ") + provenance.describe()
            : QString();
    if (outcome.copied()) {
        m_writing->recordCopy(outcome.plan.source, m_folder->pathOf(outcome.fileName), madeFrom);
        return;
    }
    const QString reason = outcome.copyFailure.isEmpty()
                               ? outcome.skipText()
                               : QStringLiteral("the copy failed: ") + outcome.copyFailure;
    m_writing->record(corvander::FileRecord::skipped(outcome.plan.source, reason, madeFrom));
}

void RenameRun::fileFinished(const FileOutcome& outcome) {
    m_told = true;
    m_copied = m_copied || (outcome.copied() && !m_options.preview);
    if (m_skipCopied && outcome.copied())
        m_skipCopied->madeCopy(m_position, outcome.fileName);
    if (m_writing)
        record(outcome);
    if (m_options.planOut && m_position <= m_options.planOut->rows.size())
        m_options.planOut->rows[m_position - 1] = {
            outcome.plan.source, outcome.plan.readIdentity ? outcome.plan.readIdentity : m_identity,
            outcome};
    if (m_options.fileDone)
        m_options.fileDone(m_position, outcome);
}

} // namespace corvander
