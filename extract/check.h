#pragma once

#include "extract/file_identity.h"

#include <optional>

#include <QHash>
#include <QString>

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;

namespace corvander {

class ExtractionPool;
class Waiter;

// What the readability check works with; the label names it in error reports.
struct CheckPorts {
    Dialogs& dialogs;
    FileListView& list;
    BusyPointer& busy;
    ProgressView& bar;
    ExtractionPool& pool;
    Waiter& waiter;
    QString label;
};

// The readability check: lists, in one message, the entries whose text comes to fewer than 10
// bytes. It never changes the list. What it learnt of a file is remembered for the life of the
// check object, so a file is extracted again only when it changed (size, time, inode) since.
class ReadabilityCheck {
public:
    explicit ReadabilityCheck(CheckPorts ports);

    // Checks the whole list. A check asked for while one is under way (files added while it
    // waits) runs again over the whole list once the current one is done.
    void run();

private:
    void checkOnce();
    // True, false, or nothing when the file must be extracted.
    std::optional<bool> knownReadable(const QString& path) const;

    CheckPorts m_ports;
    QHash<FileIdentity, bool> m_known;
    bool m_running = false;
    bool m_again = false;
};

} // namespace corvander

// The message that names the unreadable files; each path in the list ends in CR LF.
QString unreadableFilesMessage(const QString& unreadableList);
