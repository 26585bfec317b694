#pragma once

#include <QString>
#include <functional>

namespace corvander {

// The per-user settings: the file Fernwick.ini in the XDG config folder, section [Corvander].
// Every value is text; a missing key gives the reader's default. Each save reaches the disk at
// once, so a crash or a hard exit never loses a choice already made. Only a regular file (or a
// link to one) is ever opened: while something else stands at the path, every key reads as
// missing and every save fails.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath = defaultFilePath());

    static QString defaultFilePath();
    const QString& filePath() const { return m_filePath; }

    QString get(const QString& key, const QString& defaultValue = {}) const;
    bool contains(const QString& key) const;
    void save(const QString& key, const QString& value);

    // What became of a settings file that exists but cannot be read as settings: one that does
    // not parse, or something that is no regular file (a pipe, a device, a folder).
    struct UnreadableFile {
        bool found = false;
        // Where it was kept, beside the settings file; empty when it could not be moved, and then
        // nothing is written over it for the life of this store.
        QString keptAs;
    };
    // Moves an unreadable settings file aside, to its name plus ".unreadable" (".unreadable.1",
    // ".unreadable.2", ... when that is taken), so that the defaults written next do not destroy
    // it. Call before anything is read or saved.
    UnreadableFile keepUnreadableFileAside();

    // Runs at the first save that does not reach the file (a read-only file or folder, a full
    // disk), once for the life of this store.
    void setWriteFailureHandler(std::function<void()> handler);

private:
    // False while something other than a regular file stands at the path.
    bool usable() const;
    void writeFailed();

    QString m_filePath;
    std::function<void()> m_onWriteFailure;
    bool m_writeFailureReported = false;
    bool m_writesRefused = false;
};

} // namespace corvander
