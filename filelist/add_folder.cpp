#include "filelist/add_folder.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/waiter.h"
#include "filelist/folder_lister.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// This platform's limits: a path of 4096 bytes with its terminator, a name of 255 bytes.
constexpr qsizetype kPathLimit = 4096;
constexpr qsizetype kNameLimit = 255;

struct FolderIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderIdentity&) const = default;
};

size_t qHash(const FolderIdentity& id, size_t seed = 0) {
    return qHashMulti(seed, quint64(id.device), quint64(id.inode));
}

bool identityOf(const QString& folder, FolderIdentity& id) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    id = {info.st_dev, info.st_ino};
    return true;
}

bool searchable(const QString& folder) {
    return IsDirectory(folder) && QFile::encodeName(folder).size() < kPathLimit;
}

bool acceptableName(const QString& name) {
    return QFile::encodeName(name).size() <= kNameLimit && !HasUnsafeChars(name) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

// Windows-style wildcards: "*" any run, "?" one character, everything else literal; letter case
// does not count. "*.*" keeps its old meaning of every file, names without a dot included.
QRegularExpression patternExpression(const QString& pattern) {
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return QRegularExpression(QStringLiteral("^.*$"),
                                  QRegularExpression::DotMatchesEverythingOption);
    QString expression = QStringLiteral("^");
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    expression += QLatin1Char('$');
    return QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
}

// One walk: the identities already taken, so that no folder is searched twice.
class Walk {
public:
    Walk(Dialogs& dialogs, const FolderLister& lister, corvander::Waiter* waiter)
        : m_proc(dialogs, QStringLiteral("AddFolder.GetSubDirectories2016"),
                 QString::fromLatin1(kFolderStamp)),
          m_lister(lister), m_waiter(waiter) {}

    void run(QStringList& folders, bool recurse) {
        m_proc.at(100, [&] {
            for (const QString& folder : folders) {
                FolderIdentity id{};
                if (identityOf(folder, id))
                    m_seen.insert(id);
            }
        });
        QStringList result;
        QStringList level = folders;
        bool startLevel = true;
        while (!level.isEmpty()) {
            QStringList next;
            for (const QString& folder : std::as_const(level)) {
                bool keep = true;
                m_proc.at(102, [&] { keep = search(folder, next); });
                // A starting folder stays whatever it is; a deeper one only while it is a folder.
                if (keep && (startLevel || IsDirectory(folder)))
                    result << folder;
            }
            startLevel = false;
            if (!recurse) {
                for (const QString& folder : std::as_const(next)) {
                    if (IsDirectory(folder))
                        result << folder;
                }
                break;
            }
            level = next;
        }
        folders = result;
    }

private:
    // Adds the folder's subfolders to `found`; false when the folder cannot be listed.
    bool search(const QString& folder, QStringList& found) {
        if (!searchable(folder))
            return true;
        yieldToWindow();
        const SubfolderListing listing = m_lister.subfolders(folder);
        if (listing.outcome == SubfolderListing::Outcome::Unlistable)
            return false;
        for (const QString& name : listing.names) {
            yieldToWindow();
            if (!acceptableName(name))
                continue;
            const QString subfolder = folder + name + QLatin1Char('/');
            FolderIdentity id{};
            if (!identityOf(subfolder, id) || m_seen.contains(id))
                continue;
            m_seen.insert(id);
            found << subfolder;
        }
        return true;
    }

    void yieldToWindow() {
        if (m_waiter)
            m_waiter->yieldOnce();
    }

    TrappedProcedure m_proc;
    const FolderLister& m_lister;
    corvander::Waiter* m_waiter;
    QSet<FolderIdentity> m_seen;
};

} // namespace

QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder) {
    QString folder = dialogs.browseForFolder(title, startFolder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           const FolderLister& lister, corvander::Waiter* waiter) {
    Walk(dialogs, lister, waiter).run(folders, recurse);
}

void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           corvander::Waiter* waiter) {
    GetSubDirectories2016(folders, recurse, dialogs, systemFolderLister(), waiter);
}

QStringList ListFilesInFolder(const QString& folder, const QString& pattern) {
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const QRegularExpression expression = patternExpression(pattern);
    const QStringList entries =
        QDir(base).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    QStringList names;
    for (const QString& name : entries) {
        if (expression.match(name).hasMatch() && FileExistsByOpen(base + name))
            names << name;
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExistsByOpen(const QString& path) {
    if (path.isEmpty())
        return false;
    // O_PATH asks for no access rights, like opening with none on the old platform, so a file
    // the user may not read still counts as there.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

bool HasUnsafeChars(const QString& name) {
    for (const char32_t code : name.toUcs4()) {
        if (code < 32 || (code >= 127 && code <= 159) || code == U'?' || code > 255)
            return true;
    }
    return false;
}
