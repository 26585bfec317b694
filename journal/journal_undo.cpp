#include "journal/journal_undo.h"

#include "copying/file_descriptor.h"
#include "journal/copy_removal.h"
#include "journal/journal_folder.h"
#include "journal/journal_lines.h"

#include <QFile>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

// Someone who only looks at the journal holds a lock for a moment; a run holds it to its end.
bool lockForUndo(int fd) {
    for (int attempt = 0;; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || attempt == 20)
            return false;
        ::usleep(10000);
    }
}

// A journal undo may act on: the user's own, and nobody else's to change, since a line put into it
// names a file to remove. Root is held to the same: another user's journal is never root's.
std::optional<QString> refusalOf(const struct stat& info) {
    if (info.st_uid != ::geteuid())
        return QStringLiteral("the journal is not yours");
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("the journal is writable by others");
    return std::nullopt;
}

// Opens the journal for reading and appending, never through a link. Should it not open for
// writing, it is looked at read-only, so that a journal of someone else is named as such.
int openJournal(const QByteArray& path, struct stat& info, UndoOutcome& outcome) {
    FileDescriptor file(::open(path.constData(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    if (!file.isOpen() && (errno == EACCES || errno == EPERM || errno == EROFS))
        file.reset(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        outcome.status = UndoStatus::Unreadable;
        return -1;
    }
    if (const std::optional<QString> refusal = refusalOf(info)) {
        outcome.status = UndoStatus::Refused;
        outcome.refusal = *refusal;
        return -1;
    }
    const int accessMode = ::fcntl(file.get(), F_GETFL) & O_ACCMODE;
    if (accessMode != O_RDWR) {
        outcome.status = UndoStatus::Unreadable;
        return -1;
    }
    return file.release();
}

// 0 or the errno.
int appendLine(int fd, QByteArray line, bool afterTornLine) {
    if (afterTornLine)
        line.prepend('\n');
    for (qsizetype written = 0; written < line.size();) {
        const ssize_t step = ::write(fd, line.constData() + written, size_t(line.size() - written));
        if (step < 0 && errno != EINTR)
            return errno;
        written += step < 0 ? 0 : step;
    }
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

} // namespace

std::optional<UndoPlan> planUndo(const QString& journal) {
    if (journalInUse(journal))
        return std::nullopt;
    const std::optional<JournalContent> content = readJournal(journal);
    if (!content || content->undone || content->copies() == 0)
        return std::nullopt;
    return UndoPlan{journal, content->start.resultsFolder, content->copies()};
}

UndoOutcome undoRun(const QString& journal) {
    UndoOutcome outcome;
    struct stat info {};
    FileDescriptor file(openJournal(QFile::encodeName(journal), info, outcome));
    if (!file.isOpen())
        return outcome;
    // Held until the journal is marked, so that two undos of one run never both act, and never
    // while the run still writes.
    if (!lockForUndo(file.get())) {
        outcome.status = UndoStatus::InUse;
        return outcome;
    }
    const std::optional<QByteArray> bytes = readWholeFile(file.get());
    const std::optional<JournalContent> content =
        bytes ? parseJournal(*bytes) : std::optional<JournalContent>();
    if (!content) {
        outcome.status = UndoStatus::Unreadable;
        return outcome;
    }
    if (content->undone) {
        outcome.status = UndoStatus::AlreadyUndone;
        return outcome;
    }

    const QByteArray resultsFolder = QFile::encodeName(content->start.resultsFolder);
    for (const FileRecord& copy : content->files) {
        if (copy.nativeNewPath.isEmpty())
            continue;
        // Told by the bytes acted on, never by a text that might name another file.
        const QString shown = QFile::decodeName(copy.nativeNewPath);
        if (const std::optional<QString> reason = removeUnchangedCopy(resultsFolder, copy)) {
            outcome.kept.append({shown, *reason});
            outcome.keptBytes.append(copy.nativeNewPath);
        } else {
            outcome.removed.append(shown);
            outcome.removedBytes.append(copy.nativeNewPath);
        }
    }

    const QByteArray mark = undoneLine(QDateTime::currentDateTimeUtc(), int(outcome.removed.size()),
                                       int(outcome.kept.size()));
    if (const int error = appendLine(file.get(), mark, !content->endsWithLineFeed); error != 0)
        outcome.journalError =
            QCoreApplication::translate("corvander::Journal",
                                        "Cannot mark the run journal %1 as undone: %2")
                .arg(journal, QString::fromLocal8Bit(std::strerror(error)));
    return outcome;
}

QString undoMessage(const UndoOutcome& outcome) {
    QString text;
    switch (outcome.status) {
    case UndoStatus::Done:
        text = outcome.removed.size() == 1
                   ? QCoreApplication::translate("corvander::Journal", "Removed 1 copy.")
                   : QCoreApplication::translate("corvander::Journal", "Removed %1 copies.")
                         .arg(outcome.removed.size());
        break;
    case UndoStatus::AlreadyUndone:
        text = QCoreApplication::translate("corvander::Journal", "This run was undone already.");
        break;
    case UndoStatus::InUse:
        text = QCoreApplication::translate(
            "corvander::Journal", "This run is still going or being undone. Nothing was removed.");
        break;
    case UndoStatus::Unreadable:
        text = QCoreApplication::translate(
            "corvander::Journal", "The record of this run cannot be read. Nothing was removed.");
        break;
    case UndoStatus::Refused:
        text = QCoreApplication::translate(
                   "corvander::Journal",
                   "The record of this run was refused (%1). Nothing was removed.")
                   .arg(outcome.refusal);
        break;
    }
    if (!outcome.kept.isEmpty()) {
        text += QStringLiteral("\r\n\r\nLeft alone:");
        for (const auto& [path, reason] : outcome.kept)
            text += QStringLiteral("\r\n%1 (%2)").arg(path, reason);
    }
    if (!outcome.journalError.isEmpty())
        text += QStringLiteral("\r\n\r\n") + outcome.journalError;
    return text;
}

} // namespace corvander
