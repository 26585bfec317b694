#include "extract/check.h"

#include "common/app_title.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/event_pacer.h"
#include "common/window_port.h"
#include "extract/lookahead.h"
#include "extract/ocr_pages.h"
#include "extract/reason_texts.h"
#include "extract/waiting_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace corvander {

namespace {

// Below this many bytes of text a file counts as unreadable.
constexpr int kReadableSize = 10;

// Sets the flag for as long as it lives.
class Running {
public:
    explicit Running(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Running() { m_flag = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& m_flag;
};

} // namespace

Readability readabilityOf(const ExtractResult& result) {
    if (result.outcome == ExtractResult::Outcome::TimedOut)
        return Readability::TimedOut;
    if (result.outcome == ExtractResult::Outcome::Answered && result.needsPassword)
        return result.passwordRejected ? Readability::WrongPassword : Readability::PasswordNeeded;
    if (!result.hasText())
        return Readability::Unreadable;
    if (result.text.size() >= kReadableSize)
        return Readability::Readable;
    if (!result.ocrTimedOut.isEmpty())
        return Readability::OcrTimedOut;
    // Below the threshold the reading never stopped early: the text is the whole document's.
    return pageHasWords(result.text) ? Readability::LittleText : Readability::NoText;
}

QString readabilityText(Readability readability) {
    switch (readability) {
    case Readability::Readable:
        return {};
    case Readability::NoText:
        return reasons::noText();
    case Readability::LittleText:
        return reasons::tooLittleText();
    case Readability::Unreadable:
        return reasons::unreadable();
    case Readability::TimedOut:
        return reasons::timedOut();
    case Readability::PasswordNeeded:
        return reasons::passwordNeeded();
    case Readability::OcrTimedOut:
        return reasons::ocrTimedOut();
    case Readability::WrongPassword:
        return reasons::wrongPassword();
    }
    return {};
}

ReadabilityCheck::ReadabilityCheck(CheckPorts ports) : m_ports(std::move(ports)) {}

void ReadabilityCheck::run() {
    if (m_running) {
        m_again = true;
        return;
    }
    const Running running(m_running);
    do {
        m_again = false;
        checkOnce();
    } while (m_again);
}

std::optional<Readability> ReadabilityCheck::knownReadability(const QString& path) const {
    const std::optional<FileIdentity> identity = identityOfFile(path);
    if (!identity)
        return std::nullopt;
    const auto known = m_known.constFind(*identity);
    if (known == m_known.constEnd())
        return std::nullopt;
    return *known;
}

ExtractRequest ReadabilityCheck::checkRequest(const QString& path) const {
    // The text up to the page that brings it to the threshold: more cannot change the finding.
    ExtractRequest request = ExtractRequest::textUntil(path, StopRule::bytes(kReadableSize));
    request.password = m_password;
    return request;
}

void ReadabilityCheck::checkOnce() {
    TrappedProcedure proc(m_ports.dialogs, m_ports.label);
    // A check that runs inside a rename run must leave the run's busy mark in place, or entries
    // could be removed under the run.
    const bool wasBusy = m_ports.busy.isBusy();
    // The same run's bar is given back as it was; outside a run the bar comes to rest.
    const int valueBefore = wasBusy ? m_ports.bar.progressValue() : 0;
    const QString textBefore =
        wasBusy ? m_ports.bar.progressText()
                : QCoreApplication::translate("corvander::ReadabilityCheck", "Progress Bar");
    QString unreadable;
    UnreadableNotes notes;
    int count = 0;
    proc.step([&] { m_ports.busy.setBusy(true); });
    proc.step([&] { count = m_ports.list.entryCount(); });
    if (m_ports.pool.ocr() != m_knownOcr) {
        m_known.clear();
        m_knownOcr = m_ports.pool.ocr();
    }
    Lookahead ahead(m_ports.pool, lookaheadDepth(m_ports.pool));
    const auto requestFor = [&](int position) -> std::optional<ExtractRequest> {
        const QString path = m_ports.list.entryText(position);
        if (knownReadability(path))
            return std::nullopt;
        return checkRequest(path);
    };
    // Files the check already knows pass without a wait; a long list of them would hold the
    // window.
    EventPacer pacer(&m_ports.waiter);
    QElapsedTimer drawn;
    for (int position = 1; position <= count; ++position) {
        QString path;
        Readability readability = Readability::Unreadable;
        proc.at(104, [&] { path = m_ports.list.entryText(position); });
        proc.step([&] {
            const QString where =
                QCoreApplication::translate("corvander::ReadabilityCheck", "Checking: %1 of %2")
                    .arg(position)
                    .arg(count);
            const int value = int(qint64(position) * 100 / count);
            const std::optional<Readability> known = knownReadability(path);
            // A file that is read may keep the user waiting, so the bar names it; known files
            // pass in a moment, and drawing each of many thousand would cost more than checking
            // them.
            if (!known || position == count || !drawn.isValid() ||
                drawn.elapsed() >= EventPacer::kIntervalMilliseconds) {
                m_ports.bar.setProgressValue(value);
                m_ports.bar.setProgressText(where);
                drawn.start();
            }
            if (known) {
                readability = *known;
                return;
            }
            const std::optional<FileIdentity> identity = identityOfFile(path);
            ahead.fill(position, count, requestFor);
            WaitingProgress progress(&m_ports.bar, where, value, count);
            const ExtractResult result = waitForResult(
                m_ports.pool, m_ports.waiter, ahead.claim(position, checkRequest(path)), &progress);
            readability = readabilityOf(result);
            // A worker that died or ran out of time says nothing lasting about the file.
            if (identity && result.outcome == ExtractResult::Outcome::Answered &&
                readability != Readability::OcrTimedOut)
                m_known.insert(*identity, readability);
        });
        proc.step([&] {
            const QString failure = m_ports.pool.takeStartFailure();
            if (!failure.isEmpty())
                raiseError(failure);
        });
        proc.step([&] {
            if (readability != Readability::Readable)
                unreadable += path + QStringLiteral("\r\n");
            if (readability == Readability::NoText && !m_ports.pool.ocr().enabled)
                notes.suggestOcr = true;
            if (readability == Readability::PasswordNeeded ||
                readability == Readability::WrongPassword)
                notes.protectedFiles << path + QStringLiteral(": ") + readabilityText(readability);
            if (m_fileChecked)
                m_fileChecked({position, path, readability});
        });
        pacer.pace();
    }
    proc.at(112, [&] {
        m_ports.busy.setBusy(wasBusy);
        if (count > 0) {
            m_ports.bar.setProgressValue(valueBefore);
            m_ports.bar.setProgressText(textBefore);
        }
    });
    proc.step([&] {
        if (!unreadable.isEmpty())
            m_ports.dialogs.showMessage(unreadableFilesMessage(unreadable, notes));
    });
}

QString unreadableFilesMessage(const QString& unreadableList, const UnreadableNotes& notes) {
    QString message =
        QCoreApplication::translate("corvander::ReadabilityCheck",
                                    "These files could not be read:\r\n\r\n") +
        unreadableList +
        QCoreApplication::translate("corvander::ReadabilityCheck",
                                    "\r\nThis program will extract text from a PDF but this "
                                    "program will not extract text within an image within a "
                                    "PDF.\r\n\r\nEmail %1 if you have any questions.")
            .arg(QString::fromLatin1(kSupportAddress));
    // The text above predates OCR; with OCR the program does read the text of scanned pages.
    if (notes.suggestOcr)
        message += QStringLiteral("\r\n\r\n") +
                   QCoreApplication::translate("corvander::ReadabilityCheck",
                                               "Files without text may be scans: turn on Options > "
                                               "\"Read scanned pages with OCR\" to read them.");
    if (!notes.protectedFiles.isEmpty())
        message += QStringLiteral("\r\n\r\n") + notes.protectedFiles.join(QStringLiteral("\r\n"));
    return message;
}

} // namespace corvander
