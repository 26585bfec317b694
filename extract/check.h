#pragma once

#include "extract/extract_request.h"
#include "extract/file_identity.h"
#include "extract/ocr_settings.h"

#include <functional>
#include <optional>

#include <QHash>
#include <QString>
#include <QStringList>

namespace corvander {

class BusyPointer;
class Dialogs;
class FileListView;
class ProgressView;

class Extractor;
class Waiter;

// What the readability check works with; the label names it in error reports.
struct CheckPorts {
    Dialogs& dialogs;
    FileListView& list;
    BusyPointer& busy;
    ProgressView& bar;
    Extractor& pool;
    Waiter& waiter;
    QString label;
};

// What the check found out about one file.
enum class Readability {
    Readable,
    NoText,         // opened, and the whole document has no words
    LittleText,     // opened, with words, but fewer than 10 bytes of text
    Unreadable,     // could not be opened or read
    TimedOut,       // reading it took longer than the time limit
    PasswordNeeded, // protected, and no password was given for it
    OcrTimedOut,    // no text, and reading a page by OCR took longer than its time limit
    WrongPassword,  // protected, and the check's password did not open it
};

// What an answer to the check's request says of the file.
Readability readabilityOf(const ExtractResult& result);

// The finding in a few words, in the same words a run gives for a file it skips.
QString readabilityText(Readability readability);

// One listed file's result, by its list position (1-based).
struct CheckedFile {
    int position = 0;
    QString path;
    Readability readability = Readability::Readable;
};

// The readability check: lists, in one message, the entries whose text comes to fewer than 10
// bytes. It never changes the list. What it learnt of a file is remembered for the life of the
// check object, so a file is extracted again only when it changed (size, time, inode) since, or
// the pool's OCR settings did.
class ReadabilityCheck {
public:
    explicit ReadabilityCheck(CheckPorts ports);

    // Checks the whole list. A check asked for while one is under way (files added while it
    // waits) runs again over the whole list once the current one is done.
    void run();

    // Told of every file's result as the check goes, in list order; the message at the end comes
    // all the same.
    void setFileChecked(std::function<void(const CheckedFile&)> told) {
        m_fileChecked = std::move(told);
    }
    // Tried on protected documents; the window's check tries none.
    void setPassword(const QString& password) { m_password = password; }

private:
    void checkOnce();
    // What is known of the file as it is now, or nothing when it must be extracted.
    std::optional<Readability> knownReadability(const QString& path) const;
    ExtractRequest checkRequest(const QString& path) const;

    CheckPorts m_ports;
    std::function<void(const CheckedFile&)> m_fileChecked;
    QString m_password;
    QHash<FileIdentity, Readability> m_known;
    // What the memory above was learnt with: a scan reads differently with OCR.
    OcrSettings m_knownOcr;
    bool m_running = false;
    bool m_again = false;
};

// What the message adds after its own text: a hint to OCR when it is off and a file has no text,
// and the files that a password kept shut, each with its reason.
struct UnreadableNotes {
    bool suggestOcr = false;
    QStringList protectedFiles; // "PATH: password needed"
};

// The message that names the unreadable files; each path in the list ends in CR LF.
QString unreadableFilesMessage(const QString& unreadableList, const UnreadableNotes& notes = {});

} // namespace corvander
