#include "journal/journal_folder.h"

#include "copying/file_descriptor.h"
#include "journal/journal_glance.h"
#include "journal/journal_lines.h"
#include "journal/run_journal.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace corvander {

namespace {

// Journals go after 90 days; before that only when they take too much room, and never in their
// first week, so that a run is always there to undo for a while, however many come after it (a
// GNU parallel batch keeps one journal per process).
constexpr int kKeptDays = 90;
constexpr int kYoungDays = 7;
// A journal line is a few hundred bytes, so this holds some hundred thousand copies' lines: many
// runs of ten thousand files, while staying small beside the copies themselves.
constexpr qint64 kJournalBytesLimit = 64 * 1024 * 1024;

const QRegularExpression
    kJournalName(QStringLiteral("^run-(\\d{8})-(\\d{6}-\\d{3})-(\\d+)(?:-(\\d+))?\\.jsonl$"));
const QString kNameDate = QStringLiteral("yyyyMMdd");
const QString kNameTime = QStringLiteral("HHmmss-zzz");

struct Listed {
    QString name;
    QDateTime start;
    qint64 pid = 0;
    int sequence = 0;
    qint64 size = 0;
};

QList<Listed> listNewestFirst() {
    QList<Listed> listed;
    const QStringList names = QDir(RunJournal::folder()).entryList(QDir::Files | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = kJournalName.match(name);
        if (!match.hasMatch())
            continue;
        // Read as UTC, never as a local time that a change of clocks could leave out.
        const QDateTime start(QDate::fromString(match.captured(1), kNameDate),
                              QTime::fromString(match.captured(2), kNameTime), Qt::UTC);
        if (start.isValid())
            listed.append({name, start, match.captured(3).toLongLong(), match.captured(4).toInt()});
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return std::tie(a.start, a.pid, a.sequence) > std::tie(b.start, b.pid, b.sequence);
    });
    return listed;
}

// The journal opened without following a link or waiting on a FIFO; -1 for anything but a
// regular file.
int openJournal(const QByteArray& nativePath) {
    FileDescriptor file(
        ::open(nativePath.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return file.release();
}

// Removes the journal unless a run or an undo holds it. False when it is left.
bool removeUnusedJournal(const QByteArray& path) {
    FileDescriptor file(openJournal(path));
    struct stat opened {};
    struct stat named {};
    // Held while the name is removed, so that a run or an undo never loses its journal; the name
    // is checked to still be the file that was locked.
    if (!file.isOpen() || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 ||
        ::fstat(file.get(), &opened) != 0 || ::lstat(path.constData(), &named) != 0 ||
        opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
        return false;
    return ::unlink(path.constData()) == 0;
}

} // namespace

QString journalFileName(const QDateTime& start, qint64 pid, int sequence) {
    const QDateTime utc = start.toUTC();
    QString name = QStringLiteral("run-%1-%2-%3")
                       .arg(utc.toString(kNameDate), utc.toString(kNameTime))
                       .arg(pid);
    if (sequence > 0)
        name += QStringLiteral("-%1").arg(sequence);
    return name + QStringLiteral(".jsonl");
}

QStringList runJournals() {
    const QString folder = RunJournal::folder();
    QStringList paths;
    for (const Listed& journal : listNewestFirst())
        paths.append(folder + QLatin1Char('/') + journal.name);
    return paths;
}

bool journalInUse(const QString& path) {
    // A shared lock, so that two programs looking at once never see each other as a writer.
    FileDescriptor file(openJournal(QFile::encodeName(path)));
    return file.isOpen() && ::flock(file.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

std::optional<QString> lastRunJournal() {
    for (const QString& path : runJournals()) {
        if (journalInUse(path))
            continue;
        const std::optional<JournalGlance> journal = glanceAtJournal(path);
        if (journal && !journal->undone && journal->copies)
            return path;
    }
    return std::nullopt;
}

std::optional<QString> runGoingOnJournal() {
    for (const QString& path : runJournals()) {
        const std::optional<JournalGlance> journal = glanceAtJournal(path);
        if (!journalInUse(path)) {
            if (journal && !journal->undone && journal->copies)
                return std::nullopt;
            continue;
        }
        if (journal && journal->copies)
            return path;
    }
    return std::nullopt;
}

std::optional<QString> lastReportJournal() {
    for (const QString& path : runJournals()) {
        if (!journalInUse(path) && glanceAtJournal(path))
            return path;
    }
    return std::nullopt;
}

int pruneJournals(const QDateTime& now) {
    const QString folder = RunJournal::folder();
    QList<Listed> listed = listNewestFirst();
    qint64 total = 0;
    for (Listed& journal : listed) {
        struct stat info {};
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + journal.name);
        journal.size = ::lstat(path.constData(), &info) == 0 ? qint64(info.st_size) : 0;
        total += journal.size;
    }
    int removed = 0;
    const auto removeOne = [&](const Listed& journal) {
        if (!removeUnusedJournal(QFile::encodeName(folder + QLatin1Char('/') + journal.name)))
            return;
        total -= journal.size;
        ++removed;
    };
    const QDateTime old = now.addDays(-kKeptDays);
    const QDateTime young = now.addDays(-kYoungDays);
    QList<Listed> left;
    for (const Listed& journal : std::as_const(listed)) {
        if (journal.start < old)
            removeOne(journal);
        else
            left.append(journal);
    }
    for (auto journal = left.crbegin(); journal != left.crend() && total > kJournalBytesLimit;
         ++journal) {
        if (journal->start < young)
            removeOne(*journal);
    }
    return removed;
}

} // namespace corvander
