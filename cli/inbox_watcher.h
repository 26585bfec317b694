#pragma once

#include "cli/source_list.h"
#include "extract/file_identity.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <memory>

class QSocketNotifier;

namespace corvander {

// The folders a watch takes files from. A file is handed over once it is complete: closed after
// writing or moved in, as inotify tells; or, where no such event comes (a network share, a file
// that was there before the watch), once its size and time have not changed for two seconds. A
// file still open for writing is never handed over. Each file goes once, until it is written
// again. A folder that disappears is told, and watched again when it returns.
class InboxWatcher : public QObject {
    Q_OBJECT
public:
    InboxWatcher(const QList<QByteArray>& inboxes, const QString& extension);
    ~InboxWatcher() override;

    // The files complete since the last call, in the order they became so.
    QList<ListedSource> takeReady();
    // A file handed over comes back when it is written again; this one should be looked at anew
    // (its copy failed and is to be tried again).
    void forget(const QString& path);

    // How long a file must stay unchanged where no event tells it is complete.
    static constexpr int kSteadyMilliseconds = 2000;

Q_SIGNALS:
    void filesReady();
    // Told on standard error by the caller.
    void inboxGone(const QString& inbox);
    void inboxBack(const QString& inbox);

private:
    struct Inbox {
        QByteArray path;
        bool present = true;
    };
    struct Waiting {
        std::optional<FileIdentity> identity;
        qint64 steadySince = 0;
    };

    void readEvents();
    void scan();
    void watchFolder(const QString& folder);
    bool wanted(const QString& fileName) const;
    void handOver(const ListedSource& source);

    QList<Inbox> m_inboxes;
    QString m_extension;
    int m_inotify = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QHash<int, QString> m_folderOfWatch;
    QSet<QString> m_watchedFolders;
    // Files written to since they were last closed: never taken by their looks alone.
    QSet<QString> m_writing;
    QHash<QString, Waiting> m_waiting;
    // The state each file was handed over in.
    QHash<QString, std::optional<FileIdentity>> m_handedOver;
    QList<ListedSource> m_ready;
    QSet<QByteArray> m_toldUnreadable;
    QTimer m_scanTimer;
};

} // namespace corvander
