#include "journal/copied_index.h"

#include "journal/journal_folder.h"
#include "journal/journal_lines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace corvander {

namespace {

std::optional<struct stat> statOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info;
}

qint64 nanoseconds(const struct timespec& time) {
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

QByteArray digestKey(qint64 size, const QByteArray& sha256) {
    return QByteArray::number(size) + ':' + sha256;
}

} // namespace

CopiedIndex::CopiedIndex(QString resultsFolder)
    : m_folder(QDir::cleanPath(QDir(resultsFolder).absolutePath())) {
    readJournals();
}

void CopiedIndex::readJournals() {
    const QString canonicalFolder = QFileInfo(m_folder).canonicalFilePath();
    for (const QString& path : runJournals()) {
        const std::optional<JournalContent> journal = readJournal(path);
        if (!journal || journal->undone)
            continue;
        for (const FileRecord& file : journal->files) {
            if (file.newPath.isEmpty() || file.sha256.isEmpty() || file.pathsDisagree)
                continue;
            const QFileInfo copy(file.newPath);
            // Only a copy that lies right in this folder, by whichever path the run knew it.
            const QString dir = QDir::cleanPath(copy.absolutePath());
            if (dir != m_folder && QFileInfo(dir).canonicalFilePath() != canonicalFolder)
                continue;
            m_recorded.insert(digestKey(file.size, file.sha256), copy.fileName());
        }
    }
}

// Listed again only when the folder's entries changed since, which its change time tells, and
// not more than once a second: a watch that copies thousands of files changes the folder with
// every copy, and listing it each time would make the whole watch quadratic. Its own copies are
// known without a listing (add()); a file someone else puts there is found at the next listing.
void CopiedIndex::listFolderWhenChanged() {
    const std::optional<struct stat> folder = statOf(m_folder);
    if (!folder) {
        m_bySize.clear();
        m_listedAt = -1;
        return;
    }
    const qint64 changed = nanoseconds(folder->st_mtim);
    if (changed == m_listedAt)
        return;
    constexpr qint64 kListingPauseMs = 1000;
    if (m_listedAt != -1 && m_sinceListing.isValid() && m_sinceListing.elapsed() < kListingPauseMs)
        return;
    m_sinceListing.start();
    m_listedAt = changed;
    m_bySize.clear();
    QDirIterator entries(m_folder, {QStringLiteral("*.pdf")},
                         QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        const std::optional<struct stat> info = statOf(m_folder + QLatin1Char('/') + name);
        if (!info || !S_ISREG(info->st_mode))
            continue;
        m_bySize.insert(qint64(info->st_size), name);
        // A file that changed since it was read is read again when it is a candidate.
        const auto seen = m_seen.constFind(name);
        if (seen != m_seen.cend() &&
            (seen->size != qint64(info->st_size) || seen->modified != nanoseconds(info->st_mtim) ||
             seen->inode != quint64(info->st_ino)))
            m_seen.remove(name);
    }
}

// Read again whenever the file's size, time or inode moved since the last look.
bool CopiedIndex::standsAs(const QString& name, qint64 size, const QByteArray& sha256) {
    const QString path = m_folder + QLatin1Char('/') + name;
    const std::optional<struct stat> info = statOf(path);
    if (!info || !S_ISREG(info->st_mode) || qint64(info->st_size) != size)
        return false;
    Seen now{qint64(info->st_size), nanoseconds(info->st_mtim), quint64(info->st_ino), {}};
    const auto known = m_seen.constFind(name);
    if (known != m_seen.cend() && known->size == now.size && known->modified == now.modified &&
        known->inode == now.inode) {
        now.sha256 = known->sha256;
    } else {
        const std::optional<FileDigest> digest = digestOfFile(QFile::encodeName(path));
        if (!digest || digest->size != size)
            return false;
        now.sha256 = digest->sha256;
    }
    m_seen.insert(name, now);
    return now.sha256 == sha256;
}

std::optional<QString> CopiedIndex::find(qint64 size, const QByteArray& sha256) {
    const std::lock_guard lock(m_mutex);
    for (const QString& name : m_recorded.values(digestKey(size, sha256))) {
        if (standsAs(name, size, sha256))
            return name;
    }
    listFolderWhenChanged();
    for (const QString& name : m_bySize.values(size)) {
        // Read already, unchanged at the last listing and holding other bytes: not this one.
        const auto seen = m_seen.constFind(name);
        if (seen != m_seen.cend() && !seen->sha256.isEmpty() && seen->sha256 != sha256)
            continue;
        if (standsAs(name, size, sha256))
            return name;
    }
    return std::nullopt;
}

void CopiedIndex::add(const QString& name, qint64 size, const QByteArray& sha256) {
    const std::lock_guard lock(m_mutex);
    m_recorded.insert(digestKey(size, sha256), name);
    if (!m_bySize.contains(size, name))
        m_bySize.insert(size, name);
}

} // namespace corvander
