#include "journal/journal_glance.h"

#include "copying/file_descriptor.h"
#include "journal/file_digest.h"
#include "journal/journal_lines.h"

#include <algorithm>
#include <functional>
#include <sys/stat.h>

namespace corvander {

namespace {

constexpr qint64 kBlock = 64 * 1024;

// Walks the lines of the file from its start until `take` has what it wants (answers false).
bool walkForward(int fd, const std::function<bool(const QByteArray&)>& take) {
    QByteArray pending;
    bool more = true;
    const bool read = readChunks(fd, [&](QByteArrayView chunk) {
        pending += chunk;
        qsizetype start = 0;
        for (qsizetype end; more && (end = pending.indexOf('\n', start)) >= 0; start = end + 1)
            more = take(pending.sliced(start, end - start));
        pending.remove(0, start);
        return more;
    });
    if (read && more && !pending.isEmpty())
        take(pending);
    return read;
}

// The last line of the file that is one of the journal's, looked for in ever larger ends of it.
std::optional<JournalLineKind> lastKind(int fd, qint64 size, bool& readError) {
    for (qint64 block = kBlock;; block *= 2) {
        const qint64 from = std::max<qint64>(0, size - block);
        const std::optional<QByteArray> bytes = readWholeFile(fd, from);
        if (!bytes) {
            readError = true;
            return std::nullopt;
        }
        QList<QByteArray> lines = bytes->split('\n');
        // The first piece may be the end of a line that began before this block.
        if (from > 0)
            lines.removeFirst();
        for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
            if (std::optional<JournalLineKind> kind = kindOfLine(*line))
                return kind;
        }
        if (from == 0)
            return std::nullopt;
    }
}

} // namespace

std::optional<JournalGlance> glanceAtJournal(const QString& path) {
    const FileDescriptor file = openJournalToRead(path);
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0)
        return std::nullopt;
    const qint64 size = qint64(info.st_size);
    JournalGlance glance;
    bool started = false;
    bool isJournal = true;
    // A run writes its copies from its second line on, so a run that made any shows it at once.
    const bool read = walkForward(file.get(), [&](const QByteArray& line) {
        const std::optional<JournalLineKind> kind = kindOfLine(line);
        if (!kind)
            return true;
        if (!started) {
            started = true;
            isJournal = kind->type == QLatin1String("start");
            return isJournal;
        }
        glance.copies = kind->copy;
        return !glance.copies;
    });
    if (!read || !started || !isJournal)
        return std::nullopt;
    bool readError = false;
    const std::optional<JournalLineKind> last = lastKind(file.get(), size, readError);
    if (readError)
        return std::nullopt;
    glance.undone = last && last->type == QLatin1String("undone");
    return glance;
}

} // namespace corvander
