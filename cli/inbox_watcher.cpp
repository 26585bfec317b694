#include "cli/inbox_watcher.h"

#include "cli/command_ports.h"
#include "common/name_filter.h"
#include "common/path_helpers.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <chrono>

#include <sys/inotify.h>
#include <unistd.h>

namespace corvander {

namespace {

constexpr int kScanMilliseconds = 1000;
constexpr uint32_t kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_MODIFY |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

qint64 nowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Names the folder walk leaves out: hidden ones, and an office program's lock or backup files.
bool leftOutByTheWalk(const QString& name) {
    return name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('~'));
}

} // namespace

InboxWatcher::InboxWatcher(const QList<QByteArray>& inboxes, const QString& extension)
    : m_extension(extension) {
    for (const QByteArray& inbox : inboxes)
        m_inboxes.append({inbox, true});
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &InboxWatcher::readEvents);
    }
    connect(&m_scanTimer, &QTimer::timeout, this, &InboxWatcher::scan);
    m_scanTimer.start(kScanMilliseconds);
    // Once the caller has heard of the signals: the files already there are told too.
    QTimer::singleShot(0, this, &InboxWatcher::scan);
}

InboxWatcher::~InboxWatcher() {
    m_notifier.reset();
    if (m_inotify >= 0)
        ::close(m_inotify);
}

QList<ListedSource> InboxWatcher::takeReady() {
    return std::exchange(m_ready, {});
}

void InboxWatcher::forget(const QString& path) {
    m_handedOver.remove(path);
    m_waiting.remove(path);
}

bool InboxWatcher::wanted(const QString& fileName) const {
    if (leftOutByTheWalk(fileName))
        return false;
    return m_extension == QLatin1String("*") ||
           matchesNameFilter(QStringLiteral("*.") + m_extension, fileName);
}

void InboxWatcher::watchFolder(const QString& folder) {
    if (m_inotify < 0 || m_watchedFolders.contains(folder))
        return;
    const int watch =
        ::inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(), kFolderEvents);
    if (watch < 0)
        return;
    m_folderOfWatch.insert(watch, folder);
    m_watchedFolders.insert(folder);
}

void InboxWatcher::handOver(const ListedSource& source) {
    m_waiting.remove(source.path);
    m_handedOver.insert(source.path, identityOfFile(source.path));
    m_ready.append(source);
}

// A file closed after writing, or moved in, is complete at once.
void InboxWatcher::readEvents() {
    alignas(struct inotify_event) char buffer[64 * 1024];
    bool any = false;
    for (;;) {
        const ssize_t length = ::read(m_inotify, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const struct inotify_event*>(buffer + at);
            at += ssize_t(sizeof(struct inotify_event) + event->len);
            const QString folder = m_folderOfWatch.value(event->wd);
            if (event->mask & IN_IGNORED) {
                m_folderOfWatch.remove(event->wd);
                m_watchedFolders.remove(folder);
                continue;
            }
            if (folder.isEmpty() || event->len == 0 || (event->mask & IN_ISDIR))
                continue;
            const QByteArray rawName(event->name);
            const QString name = QFile::decodeName(rawName);
            // A name that is not UTF-8 is left to the walk, which tells why it is not renamed.
            if (QFile::encodeName(name) != rawName || !wanted(name))
                continue;
            const QString path = folder + QLatin1Char('/') + name;
            if (event->mask & (IN_CREATE | IN_MODIFY)) {
                m_writing.insert(path);
                continue;
            }
            m_writing.remove(path);
            const auto before = m_handedOver.constFind(path);
            if (before != m_handedOver.cend() && *before == identityOfFile(path))
                continue;
            handOver({QFile::encodeName(path), path, {}});
            any = true;
        }
    }
    if (any)
        Q_EMIT filesReady();
}

// Where no event tells, a file is taken once it has stood still for a while.
void InboxWatcher::scan() {
    const qint64 now = nowMilliseconds();
    QSet<QString> present;
    bool any = false;
    for (Inbox& inbox : m_inboxes) {
        const QString inboxPath = QFile::decodeName(inbox.path);
        const bool there = IsDirectory(inboxPath);
        if (!there) {
            if (inbox.present)
                Q_EMIT inboxGone(inboxPath);
            inbox.present = false;
            continue;
        }
        if (!inbox.present)
            Q_EMIT inboxBack(inboxPath);
        inbox.present = true;
        watchFolder(inboxPath);
        QDirIterator folders(inboxPath, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                             QDirIterator::Subdirectories);
        while (folders.hasNext()) {
            folders.next();
            if (!leftOutByTheWalk(folders.fileName()) &&
                !folders.filePath().contains(QLatin1String("/.")) &&
                !folders.filePath().contains(QLatin1String("/~")))
                watchFolder(folders.filePath());
        }
        CommandDialogs quiet(nullptr);
        QStringList leftOut;
        for (const ListedSource& source : listSources({inbox.path}, m_extension, quiet, leftOut)) {
            if (!source.readable()) {
                if (!m_toldUnreadable.contains(source.name)) {
                    m_toldUnreadable.insert(source.name);
                    m_ready.append(source);
                    any = true;
                }
                continue;
            }
            present.insert(source.path);
            const std::optional<FileIdentity> identity = identityOfFile(source.path);
            if (!identity)
                continue;
            const auto before = m_handedOver.constFind(source.path);
            if (before != m_handedOver.cend() && *before == identity)
                continue;
            if (m_writing.contains(source.path))
                continue;
            Waiting& waiting = m_waiting[source.path];
            if (waiting.identity != identity) {
                waiting = {identity, now};
                continue;
            }
            if (now - waiting.steadySince >= kSteadyMilliseconds) {
                handOver(source);
                any = true;
            }
        }
    }
    // What went from the folders is forgotten, so that what a long watch keeps stays bounded.
    for (auto it = m_waiting.begin(); it != m_waiting.end();)
        it = present.contains(it.key()) ? std::next(it) : m_waiting.erase(it);
    for (auto it = m_handedOver.begin(); it != m_handedOver.end();)
        it = present.contains(it.key()) ? std::next(it) : m_handedOver.erase(it);
    for (auto it = m_writing.begin(); it != m_writing.end();)
        it = QFileInfo::exists(*it) ? std::next(it) : m_writing.erase(it);
    if (any)
        Q_EMIT filesReady();
}

} // namespace corvander
