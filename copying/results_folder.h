#pragma once

#include "copying/copy_flusher.h"
#include "copying/file_descriptor.h"
#include "copying/file_system_calls.h"

#include <QString>

#include <functional>
#include <memory>

namespace corvander {

// A run's results folder, opened once. Everything the run puts into the folder or looks up there
// goes through this descriptor, so a folder renamed, or swapped for a link to another folder,
// while the run goes on changes nothing: the copies keep going where the run started. The path is
// the one the run was given, for the names the run reports.
class ResultsFolder {
public:
    explicit ResultsFolder(const QString& path, FileSystemCalls& calls = FileSystemCalls::real());

    const QString& path() const { return m_path; }
    // The path of a name in the folder: the one place where the folder's path, with or without
    // its ending "/", is joined to a name.
    QString pathOf(const QString& name) const {
        return m_path.endsWith(QLatin1Char('/')) ? m_path + name : m_path + QLatin1Char('/') + name;
    }
    bool isOpen() const { return m_directory.isOpen(); }
    int descriptor() const { return m_directory.get(); }
    // Why the folder could not be opened (an errno); 0 when it is open.
    int openError() const { return m_error; }
    // What the copies into the folder call.
    FileSystemCalls& calls() const { return *m_calls; }

    // Called right before each copy into the folder, or a subfolder made from it, gets its name.
    void setBeforeNaming(std::function<void()> call) { m_beforeNaming = std::move(call); }
    const std::function<void()>& beforeNaming() const { return m_beforeNaming; }
    // Flushes the copies put into the folder one by one, as they come; shared by its subfolders.
    CopyFlusher* flusher() const { return m_flusher.get(); }
    // Writes what was put into the folder's file system through to the disk; 0 or the errno,
    // also of a copy's own flush that failed.
    int flushToDisk() const;

    // The folder `relative` ("Bank/2024") below this one, each part made when missing and opened
    // without following a link, so that a copy never lands outside the results folder. A part
    // that is empty, "." or "..", or a link, leaves it unopened with the errno (EINVAL, ELOOP,
    // ENOTDIR) in openError().
    ResultsFolder subfolder(const QString& relative) const;

private:
    ResultsFolder() = default;

    QString m_path;
    FileDescriptor m_directory;
    FileSystemCalls* m_calls = &FileSystemCalls::real();
    std::shared_ptr<CopyFlusher> m_flusher;
    std::function<void()> m_beforeNaming;
    bool m_pathOnly = false;
    int m_error = 0;
};

} // namespace corvander
