#include "journal/run_journal.h"

#include "common/work_queue.h"
#include "journal/file_digest.h"
#include "journal/journal_folder.h"
#include "journal/journal_lines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

// Creates the folder and any missing parents owner-only, as the state folder is meant to be; a
// folder that exists keeps the permissions its owner gave it. 0 or the errno.
int makePrivateFolder(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? path : path.left(slash);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
        if (slash < 0)
            break;
    }
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

} // namespace

FileRecord FileRecord::copied(const QString& source, const QString& newPath,
                              const QString& provenance) {
    FileRecord file;
    file.source = source;
    file.newPath = newPath;
    file.provenance = provenance;
    if (const std::optional<FileDigest> digest = digestOfFile(QFile::encodeName(newPath))) {
        file.size = digest->size;
        file.sha256 = digest->sha256;
        file.identity = digest->identity;
    }
    return file;
}

FileRecord FileRecord::skipped(const QString& source, const QString& reason,
                               const QString& provenance) {
    FileRecord file;
    file.source = source;
    file.skipReason = reason;
    file.provenance = provenance;
    return file;
}

QString RunJournal::folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.startsWith(QLatin1Char('/')))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/corvander"));
}

std::unique_ptr<RunJournal> RunJournal::begin(const RunStart& start, FailureHandler onFailure) {
    std::unique_ptr<RunJournal> journal(new RunJournal(std::move(onFailure)));
    journal->open(start);
    journal->tellFailure();
    return journal;
}

RunJournal::RunJournal(FailureHandler onFailure) : m_onFailure(std::move(onFailure)) {}

RunJournal::~RunJournal() {
    // The lines of copies already made are written even so.
    m_queue.reset();
    close();
}

void RunJournal::open(RunStart start) {
    // A run without a start time would give a name no reader recognises.
    if (!start.time.isValid())
        start.time = QDateTime::currentDateTime();
    const QString folder = RunJournal::folder();
    if (const int error = makePrivateFolder(folder); error != 0) {
        fail(QCoreApplication::translate("corvander::RunJournal",
                                         "Cannot create the run journal folder"),
             folder, error);
        return;
    }
    const qint64 pid = ::getpid();
    for (int sequence = 0; m_fd < 0; ++sequence) {
        const QString path = folder + QLatin1Char('/') + journalFileName(start.time, pid, sequence);
        m_fd = ::open(QFile::encodeName(path).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_fd < 0 && (errno != EEXIST || sequence >= 999)) {
            fail(QCoreApplication::translate("corvander::RunJournal",
                                             "Cannot create the run journal"),
                 path, errno);
            return;
        }
        m_path = path;
    }
    // Held for the run's length: readers tell a run still going from one that was killed by it,
    // and the system lets go of it however the process ends. Others hold it only for a moment.
    while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    writeLine(startLine(start, pid));
}

void RunJournal::record(const FileRecord& file) {
    catchUp();
    writeLine(fileLine(file));
    tellFailure();
}

void RunJournal::catchUp() {
    if (m_queue)
        m_queue->drain();
    tellFailure();
}

void RunJournal::recordCopy(const QString& source, const QString& newPath,
                            const QString& provenance) {
    tellFailure();
    if (!m_queue)
        m_queue = std::make_unique<WorkQueue<PendingCopy>>(
            [this](PendingCopy& copy) {
                writeLine(fileLine(FileRecord::copied(copy.source, copy.newPath, copy.provenance)));
            },
            WorkQueue<PendingCopy>::AtEnd::HandleWaiting);
    m_queue->add({source, newPath, provenance});
}

void RunJournal::end(bool stopped, int handled, int total) {
    m_queue.reset();
    writeLine(endLine(QDateTime::currentDateTimeUtc(), stopped, handled, total));
    {
        const std::lock_guard lock(m_mutex);
        if (m_fd >= 0 && m_failure.isEmpty() && ::fdatasync(m_fd) != 0)
            fail(QCoreApplication::translate("corvander::RunJournal",
                                             "Cannot write the run journal"),
                 m_path, errno);
    }
    tellFailure();
    close();
}

QString RunJournal::failure() const {
    const std::lock_guard lock(m_mutex);
    return m_failure;
}

void RunJournal::writeLine(const QByteArray& line) {
    const std::lock_guard lock(m_mutex);
    if (m_fd < 0 || !m_failure.isEmpty())
        return;
    for (qsizetype written = 0; written < line.size();) {
        const ssize_t step =
            ::write(m_fd, line.constData() + written, size_t(line.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            const int error = step < 0 ? errno : EIO;
            // Take back the part written, so that no torn line stands in the journal (readers
            // would skip it, should even this fail). The run itself goes on, unrecorded.
            [[maybe_unused]] const int truncated = ::ftruncate(m_fd, m_size);
            fail(QCoreApplication::translate("corvander::RunJournal",
                                             "Cannot write the run journal"),
                 m_path, error);
            return;
        }
        written += step;
    }
    m_size += line.size();
}

// Called with the lines guarded, or before the queue's thread exists.
void RunJournal::fail(const QString& what, const QString& path, int error) {
    if (!m_failure.isEmpty())
        return;
    m_failure =
        QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

void RunJournal::tellFailure() {
    QString failure;
    {
        const std::lock_guard lock(m_mutex);
        if (m_failure.isEmpty() || m_failureTold)
            return;
        m_failureTold = true;
        failure = m_failure;
    }
    if (m_onFailure)
        m_onFailure(failure);
}

void RunJournal::close() {
    const std::lock_guard lock(m_mutex);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace corvander
