#include "journal/path_below.h"

#include "copying/file_descriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {

namespace {

QString withError(const char* what, int error) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(error)).toLower());
}

// Why a folder below could not be opened, looked at without following anything.
QString whyNotOpened(int parent, const QByteArray& name, int error) {
    struct stat info {};
    if (::fstatat(parent, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(info.st_mode))
            return QStringLiteral("a link in its path");
        if (!S_ISDIR(info.st_mode))
            return QStringLiteral("no longer there");
    } else if (errno == ENOENT || errno == ENOTDIR) {
        return QStringLiteral("no longer there");
    }
    return withError("cannot be read", error);
}

} // namespace

std::optional<QList<QByteArray>> componentsBelow(const QByteArray& folder, const QByteArray& path) {
    QByteArray base = folder;
    while (base.size() > 1 && base.endsWith('/'))
        base.chop(1);
    if (base.isEmpty() || base.contains('\0'))
        return std::nullopt;
    const QByteArray prefix = base == "/" ? base : base + '/';
    if (!path.startsWith(prefix))
        return std::nullopt;
    const QList<QByteArray> components = path.mid(prefix.size()).split('/');
    for (const QByteArray& component : components) {
        if (component.isEmpty() || component == "." || component == ".." ||
            component.contains('\0'))
            return std::nullopt;
    }
    return components;
}

int openParentBelow(const QByteArray& folder, const QList<QByteArray>& components,
                    QString& reason) {
    FileDescriptor current(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!current.isOpen()) {
        reason = errno == ENOENT || errno == ENOTDIR ? QStringLiteral("no longer there")
                                                     : withError("cannot be read", errno);
        return -1;
    }
    for (qsizetype i = 0; i + 1 < components.size(); ++i) {
        const int below = ::openat(current.get(), components[i].constData(),
                                   O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (below < 0) {
            reason = whyNotOpened(current.get(), components[i], errno);
            return -1;
        }
        current.reset(below);
    }
    return current.release();
}

} // namespace corvander
