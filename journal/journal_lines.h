#pragma once

#include "copying/file_descriptor.h"
#include "journal/run_journal.h"

#include <QList>
#include <optional>

// The lines of a run journal (the format is described in run_journal.h), written and read back.

namespace corvander {

// Everything a journal says about its run.
struct JournalContent {
    RunStart start;
    QList<FileRecord> files; // in the order written; native paths always filled
    bool ended = false;
    bool stopped = false;
    int handled = 0;
    int total = 0;
    bool undone = false;
    // False when a crash tore the last line; what is appended then needs a line feed first.
    bool endsWithLineFeed = true;

    int copies() const;
};

// Each line ends in a line feed.
QByteArray startLine(const RunStart& start, qint64 pid);
QByteArray fileLine(const FileRecord& file);
QByteArray endLine(const QDateTime& time, bool stopped, int handled, int total);
QByteArray undoneLine(const QDateTime& time, int removed, int kept);

// Nothing unless the first line that parses is a start line.
std::optional<JournalContent> parseJournal(const QByteArray& bytes);
// A journal is a regular file; a link at the path is not followed.
std::optional<JournalContent> readJournal(const QString& path);
// The journal at the path opened for reading, as readJournal opens it; closed when it is none.
FileDescriptor openJournalToRead(const QString& path);
// One line as parseJournal takes it: its type, and for a file line whether it names a copy;
// nothing for a line that is not a JSON object.
struct JournalLineKind {
    QString type;
    bool copy = false;
};
std::optional<JournalLineKind> kindOfLine(const QByteArray& line);
// Everything in the open file from `from` (its start) to its end; nothing on a read error.
std::optional<QByteArray> readWholeFile(int fd, qint64 from = 0);

} // namespace corvander
