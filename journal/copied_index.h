#pragma once

#include "journal/file_digest.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QMultiHash>
#include <QString>
#include <mutex>
#include <optional>

namespace corvander {

// The copies standing in one results folder, found by their bytes: those the journals of earlier
// runs name there, and the PDF files simply found in the folder. A copy only counts as it stands
// when asked: one changed, moved or removed since it was made is never reported. Safe to use from
// two threads.
class CopiedIndex {
public:
    explicit CopiedIndex(QString resultsFolder);

    // The name, relative to the folder, of a file there with this size and SHA-256 (lower-case
    // hex), checked against the file as it is now; nothing when there is none.
    std::optional<QString> find(qint64 size, const QByteArray& sha256);
    // A copy this process just made, with the size and digest of what it copied.
    void add(const QString& name, qint64 size, const QByteArray& sha256);

    const QString& folder() const { return m_folder; }

private:
    struct Known {
        qint64 size = -1;
        QByteArray sha256;
    };
    // What is known of a file in the folder by its last look, so that a file is read once while
    // it does not change.
    struct Seen {
        qint64 size = -1;
        qint64 modified = 0;
        quint64 inode = 0;
        QByteArray sha256; // empty until read
    };

    void readJournals();
    void listFolderWhenChanged();
    bool standsAs(const QString& name, qint64 size, const QByteArray& sha256);

    QString m_folder;
    std::mutex m_mutex;
    // Digest -> names the journals (or this process) say hold it.
    QMultiHash<QByteArray, QString> m_recorded;
    // Size -> names of the folder's PDF files of that size.
    QMultiHash<qint64, QString> m_bySize;
    QHash<QString, Seen> m_seen;
    qint64 m_listedAt = -1; // the folder's change time at its last listing, in nanoseconds
    QElapsedTimer m_sinceListing;
};

} // namespace corvander
