#include "rename/journal_folder.h"

#include "rename/file_descriptor.h"
#include "rename/journal_lines.h"
#include "rename/run_journal.h"

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

constexpr int kKeptJournals = 50;
constexpr int kKeptDays = 90;

const QRegularExpression
    kJournalName(QStringLiteral("^run-(\\d{8})-(\\d{6}-\\d{3})-(\\d+)(?:-(\\d+))?\\.jsonl$"));
const QString kNameDate = QStringLiteral("yyyyMMdd");
const QString kNameTime = QStringLiteral("HHmmss-zzz");

struct Listed {
    QString name;
    QDateTime start;
    qint64 pid = 0;
    int sequence = 0;
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
        const std::optional<JournalContent> content = readJournal(path);
        if (content && !content->undone && content->copies() > 0)
            return path;
    }
    return std::nullopt;
}

std::optional<QString> lastReportJournal() {
    for (const QString& path : runJournals()) {
        if (!journalInUse(path) && readJournal(path))
            return path;
    }
    return std::nullopt;
}

int pruneJournals(const QDateTime& now) {
    const QString folder = RunJournal::folder();
    const QDateTime oldest = now.addDays(-kKeptDays);
    const QList<Listed> listed = listNewestFirst();
    int removed = 0;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        if (i < kKeptJournals && listed[i].start >= oldest)
            continue;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + listed[i].name);
        FileDescriptor file(openJournal(path));
        struct stat opened {};
        struct stat named {};
        // Held while the name is removed, so that a run or an undo never loses its journal; the
        // name is checked to still be the file that was locked.
        if (!file.isOpen() || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 ||
            ::fstat(file.get(), &opened) != 0 || ::lstat(path.constData(), &named) != 0 ||
            opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
            continue;
        if (::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace corvander
