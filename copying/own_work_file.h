#pragma once

#include "copying/copy_markers.h"
#include "copying/file_descriptor.h"

#include <QByteArray>
#include <QString>

namespace corvander {

// Removes a name in the results folder when it goes, unless kept.
class NameInFolder {
public:
    NameInFolder(int directory, QByteArray name)
        : m_directory(directory), m_name(std::move(name)) {}
    NameInFolder(const NameInFolder&) = delete;
    NameInFolder& operator=(const NameInFolder&) = delete;
    ~NameInFolder() {
        if (!m_name.isEmpty())
            ::unlinkat(m_directory, m_name.constData(), 0);
    }
    void keep() { m_name.clear(); }

private:
    int m_directory;
    QByteArray m_name;
};

// A new owner-only hidden work file of this run in the results folder (a copy under way, or a
// marker), locked from before its first byte until its name is gone: while it has its name, the
// clean-up of another run can tell that it is still being worked on. When it goes, its name is
// removed (unless kept), and only then is the descriptor closed, which lets the lock go. Raises
// the copy's report when it cannot be made.
class OwnWorkFile {
public:
    OwnWorkFile(int directory, const QString& folder, OwnFileKind kind);
    OwnWorkFile(const OwnWorkFile&) = delete;
    OwnWorkFile& operator=(const OwnWorkFile&) = delete;
    ~OwnWorkFile();

    int fd() const { return m_file.get(); }
    const QByteArray& name() const { return m_name; }
    // Closes a second descriptor of the file, where some network file systems report a write
    // that failed; the lock stays. False (errno set) on such a failure.
    bool flushByClose() const;
    // The file went on under another name: only the descriptor is closed at the end.
    void keep() { m_keep = true; }

private:
    int m_directory;
    QByteArray m_name;
    FileDescriptor m_file;
    bool m_keep = false;
};

} // namespace corvander
