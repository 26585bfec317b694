#include "filelist/add_folder.h"

#include "common/code_page.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/event_pacer.h"
#include "common/path_helpers.h"
#include "common/waiter.h"
#include "filelist/folder_lister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace corvander {

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

// What a folder path names, links followed, at any length.
bool folderInfo(const QString& folder, struct stat& info) {
    const QByteArray encoded = QFile::encodeName(folder);
    if (encoded.size() < kPathLimit)
        return ::stat(encoded.constData(), &info) == 0;
    const int descriptor = openFolder(encoded, O_PATH);
    if (descriptor < 0)
        return false;
    const bool known = ::fstat(descriptor, &info) == 0;
    ::close(descriptor);
    return known;
}

bool isFolder(const QString& path) {
    struct stat info {};
    return folderInfo(path, info) && S_ISDIR(info.st_mode);
}

bool identityOf(const QString& folder, FolderIdentity& id) {
    struct stat info {};
    if (!folderInfo(folder, info))
        return false;
    id = {info.st_dev, info.st_ino};
    return true;
}

const QString kNotUtf8 = QStringLiteral("the name is not valid UTF-8");
const QString kTooLong = QStringLiteral("path too long");

// Why a subfolder's name keeps it out of the walk; empty when it may go in.
QString refusal(const QString& name) {
    if (HasUnsafeChars(name))
        return QStringLiteral("the name holds control characters");
    if (QFile::encodeName(name).size() > kNameLimit)
        return QStringLiteral("the name is too long");
    return {};
}

void note(LeftOutPaths* leftOut, const QByteArray& path, const QString& reason) {
    if (leftOut)
        leftOut->append({path, reason});
}

void note(LeftOutPaths* leftOut, const QString& path, const QString& reason) {
    note(leftOut, QFile::encodeName(path), reason);
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
    Walk(Dialogs& dialogs, const FolderLister& lister, corvander::Waiter* waiter,
         LeftOutPaths* leftOut)
        : m_proc(dialogs, QStringLiteral("AddFolder.GetSubDirectories2016"),
                 QString::fromLatin1(kFolderStamp)),
          m_lister(lister), m_waiter(waiter), m_leftOut(leftOut) {}

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
                if (keep && (startLevel || isFolder(folder)))
                    result << folder;
            }
            startLevel = false;
            if (!recurse) {
                for (const QString& folder : std::as_const(next)) {
                    if (isFolder(folder))
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
        if (!isFolder(folder))
            return true;
        yieldToWindow();
        const SubfolderListing listing = m_lister.subfolders(folder);
        if (listing.outcome == SubfolderListing::Outcome::Unlistable) {
            note(m_leftOut, folder, QStringLiteral("the folder could not be opened"));
            return false;
        }
        for (const QByteArray& raw : listing.unusableNames)
            note(m_leftOut, QFile::encodeName(folder) + raw, kNotUtf8);
        for (const QString& name : listing.names) {
            yieldToWindow();
            if (name == QLatin1String(".") || name == QLatin1String(".."))
                continue;
            if (const QString reason = refusal(name); !reason.isEmpty()) {
                note(m_leftOut, folder + name, reason);
                continue;
            }
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
    LeftOutPaths* m_leftOut;
    QSet<FolderIdentity> m_seen;
};

// Sorts short runs, letting the window's events run between them, and then merges the runs.
void sortPaced(QStringList& names, corvander::EventPacer& pacer) {
    constexpr qsizetype kRun = 2048;
    const qsizetype count = names.size();
    const auto at = [&](qsizetype position) { return names.begin() + std::min(count, position); };
    for (qsizetype start = 0; start < count; start += kRun) {
        std::sort(at(start), at(start + kRun));
        pacer.pace();
    }
    for (qsizetype width = kRun; width < count; width *= 2) {
        for (qsizetype start = 0; start + width < count; start += 2 * width) {
            std::inplace_merge(at(start), at(start + width), at(start + 2 * width));
            pacer.pace();
        }
    }
}

} // namespace

QString LeftOutPath::text() const {
    return escapeInvalidUtf8(path) + QStringLiteral(": ") + reason;
}

QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder) {
    QString folder = dialogs.browseForFolder(title, startFolder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           const FolderLister& lister, corvander::Waiter* waiter,
                           LeftOutPaths* leftOut) {
    Walk(dialogs, lister, waiter, leftOut).run(folders, recurse);
}

void GetSubDirectories2016(QStringList& folders, bool recurse, Dialogs& dialogs,
                           corvander::Waiter* waiter, LeftOutPaths* leftOut) {
    GetSubDirectories2016(folders, recurse, dialogs, systemFolderLister(), waiter, leftOut);
}

QStringList ListFilesInFolder(const QString& folder, const QString& pattern, LeftOutPaths* leftOut,
                              corvander::Waiter* waiter) {
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const QByteArray encodedBase = QFile::encodeName(base);
    const QRegularExpression expression = patternExpression(pattern);
    QStringList names;
    const int descriptor = openFolder(encodedBase, O_RDONLY);
    DIR* dir = descriptor >= 0 ? ::fdopendir(descriptor) : nullptr;
    if (!dir) {
        if (descriptor >= 0)
            ::close(descriptor);
        return names;
    }
    corvander::EventPacer pacer(waiter);
    while (const dirent* entry = ::readdir(dir)) {
        pacer.pace();
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        // A name that is not UTF-8 is matched in its escaped form, so "*.pdf" still finds it.
        const bool usable = isValidUtf8(raw);
        const QString name = usable ? QFile::decodeName(raw) : escapeInvalidUtf8(raw);
        if (!expression.match(name).hasMatch())
            continue;
        // The folder's record of a plain file spares a look at it; links and the like are seen.
        if (entry->d_type != DT_REG) {
            struct stat info {};
            if (::fstatat(::dirfd(dir), raw.constData(), &info, 0) != 0 || !S_ISREG(info.st_mode))
                continue;
        }
        if (!usable)
            note(leftOut, encodedBase + raw, kNotUtf8);
        else if (encodedBase.size() + raw.size() >= kPathLimit)
            note(leftOut, encodedBase + raw, kTooLong);
        else
            names << name;
    }
    ::closedir(dir);
    sortPaced(names, pacer);
    return names;
}

QString leftOutMessage(const LeftOutPaths& leftOut) {
    if (leftOut.isEmpty())
        return {};
    QStringList lines;
    for (const LeftOutPath& item : leftOut)
        lines << item.text();
    return QCoreApplication::translate("corvander::FileList", "These were left out:\r\n\r\n") +
           lines.join(QStringLiteral("\r\n"));
}

} // namespace corvander
