#include "extract/file_identity.h"

#include <QFile>
#include <QString>
#include <sys/stat.h>

namespace corvander {

std::optional<FileIdentity> identityOfFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0)
        return std::nullopt;
    FileIdentity identity;
    identity.path = name;
    identity.size = info.st_size;
    identity.modifiedNanoseconds = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    return identity;
}

size_t qHash(const FileIdentity& identity, size_t seed) {
    return qHashMulti(seed, identity.path, identity.size, identity.modifiedNanoseconds,
                      identity.device, identity.inode);
}

} // namespace corvander
