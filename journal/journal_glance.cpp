#include "journal/journal_glance.h"

#include "copying/file_descriptor.h"
#include "journal/journal_lines.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/stat.h>

namespace corvander {

namespace {

constexpr qint64 kBlock = 64 * 1024;

// The bytes from `from` to the end of the file, or nothing on a read error.
std::optional<QByteArray> readFrom(int fd, qint64 from, qint64 size) {
    QByteArray bytes(size - from, Qt::Uninitialized);
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t step =
            ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(from + done));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return std::nullopt;
        if (step == 0)
            return bytes.left(done);
        done += step;
    }
    return bytes;
}

// Walks the lines of the file from its start until `take` has what it wants (returns false), a
// block at a time.
bool walkForward(int fd, qint64 size, const std::function<bool(const QByteArray&)>& take) {
    QByteArray pending;
    for (qint64 from = 0; from < size; from += kBlock) {
        const std::optional<QByteArray> block = readFrom(fd, from, std::min(size, from + kBlock));
        if (!block)
            return false;
        pending += *block;
        qsizetype start = 0;
        for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
            if (!take(pending.sliced(start, end - start)))
                return true;
        }
        pending.remove(0, start);
    }
    if (!pending.isEmpty())
        take(pending);
    return true;
}

// The last line of the file that is one of the journal's, looked for in ever larger ends of it.
std::optional<JournalLineKind> lastKind(int fd, qint64 size, bool& readError) {
    for (qint64 block = kBlock;; block *= 2) {
        const qint64 from = std::max<qint64>(0, size - block);
        const std::optional<QByteArray> bytes = readFrom(fd, from, size);
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
    const bool read = walkForward(file.get(), size, [&](const QByteArray& line) {
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
