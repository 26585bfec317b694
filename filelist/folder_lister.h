#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvander {

// What the folder walk learns from listing one folder's subfolders.
struct SubfolderListing {
    enum class Outcome {
        // Every subfolder was read.
        Complete,
        // The folder refused listing or is gone: the walk drops it.
        Unlistable,
        // Reading stopped part way for another reason: the walk keeps the folder and the names
        // read before the fault.
        Interrupted,
    };
    Outcome outcome = Outcome::Complete;
    // Names without folder, sorted by name; links to folders count as folders.
    QStringList names;
    // Subfolder names that are not valid UTF-8, as the file system has them: no text can name
    // them, so the walk leaves them out and says so.
    QList<QByteArray> unusableNames;
};

// Lists the subfolders of one folder. The walk takes it as a parameter so that a test can make a
// folder unlistable, which file permissions cannot do for a process running as root.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    virtual SubfolderListing subfolders(const QString& folder) const = 0;
};

// The lister that reads the file system. It lists folders at any depth, also those whose paths
// are too long for one system call.
const FolderLister& systemFolderLister();

// Opens a folder by a path of any length, the final step with `access` (O_RDONLY to read its
// entries, O_PATH only to learn what it is): a path too long for one system call is opened part
// by part. A descriptor to close, or -1 with errno set.
int openFolder(const QByteArray& path, int access);

} // namespace corvander
