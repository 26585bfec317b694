#pragma once

#include "extract/file_identity.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace corvander {

class CopiedIndex;
class Waiter;

// Which listed files already have an identical copy (same size and SHA-256) in the results
// folder. A thread of its own reads each source once, a little ahead of the run, so that the
// window lives while large files are read; the run asks for each file in its turn.
class SkipCopied {
public:
    // The index may be shared by several runs (a watch keeps one for its life); without one,
    // the folder's own is made on the thread.
    SkipCopied(const QString& resultsFolder, QStringList sources,
               std::shared_ptr<CopiedIndex> index = {});
    ~SkipCopied();
    SkipCopied(const SkipCopied&) = delete;
    SkipCopied& operator=(const SkipCopied&) = delete;

    // The name, relative to the results folder, of the copy the file at this 1-based position
    // already has; nothing when it has none, or when the file changed since it was read. Waits
    // for the thread through the waiter.
    std::optional<QString> copiedAs(int position, Waiter& waiter);
    // The file at this position was copied (or, planning ahead, would be) under this name: a
    // later file with the same bytes counts as copied too.
    void madeCopy(int position, const QString& name);

private:
    struct Answer {
        bool done = false;
        std::optional<FileIdentity> identity; // of the source before and after it was read
        qint64 size = -1;
        QByteArray sha256;
        std::optional<QString> copiedAs;
    };

    void work();
    static Answer answerFor(CopiedIndex& index, const QString& path);

    QString m_folder;
    QStringList m_sources;
    std::shared_ptr<CopiedIndex> m_index;
    std::mutex m_mutex;
    std::condition_variable m_turn;
    QList<Answer> m_answers;
    int m_asked = 0; // the position the run last asked for
    bool m_quit = false;
    // Copies of this run by size and digest; the run's own thread only.
    QHash<QByteArray, QString> m_madeNow;
    std::thread m_thread;
};

} // namespace corvander
