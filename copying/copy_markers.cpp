#include "copying/copy_markers.h"

#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace corvander {
namespace {

const QByteArray kPrefix = ".corvander-";
const QByteArray kPartEnding = ".part";
const QByteArray kMarkEnding = ".mark";

bool allDigits(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool lowerAlphanumeric(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

} // namespace

QByteArray thisHost() {
    char buffer[HOST_NAME_MAX + 1] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0)
        buffer[0] = '\0';
    // Only characters every file system takes, so that the name works in any results folder.
    QByteArray host(buffer);
    for (char& c : host) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                           (c >= 'A' && c <= 'Z') || c == '-' || c == '.' || c == '_';
        if (!plain)
            c = '_';
    }
    return host.isEmpty() ? QByteArray("unnamed") : host;
}

QByteArray ownFileName(OwnFileKind kind) {
    return kPrefix + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(QRandomGenerator::system()->generate64(), 36) + '-' + thisHost() +
           (kind == OwnFileKind::Part ? kPartEnding : kMarkEnding);
}

std::optional<OwnFileName> parseOwnFileName(const QByteArray& name) {
    if (!name.startsWith(kPrefix))
        return std::nullopt;
    OwnFileKind kind;
    if (name.endsWith(kPartEnding))
        kind = OwnFileKind::Part;
    else if (name.endsWith(kMarkEnding))
        kind = OwnFileKind::Mark;
    else
        return std::nullopt;
    const qsizetype ending = (kind == OwnFileKind::Part ? kPartEnding : kMarkEnding).size();
    // pid, random part, host: the host may hold "-", the other two may not.
    const QByteArray middle = name.mid(kPrefix.size(), name.size() - kPrefix.size() - ending);
    const qsizetype first = middle.indexOf('-');
    const qsizetype second = first < 0 ? -1 : middle.indexOf('-', first + 1);
    if (second < 0)
        return std::nullopt;
    const QByteArray pid = middle.left(first);
    const QByteArray random = middle.mid(first + 1, second - first - 1);
    const QByteArray host = middle.mid(second + 1);
    bool ok = false;
    const qint64 number = pid.toLongLong(&ok);
    if (!allDigits(pid) || !ok || number <= 0 || number > INT_MAX || !lowerAlphanumeric(random) ||
        host.isEmpty())
        return std::nullopt;
    return OwnFileName{kind, number, host};
}

WorkFileLock lockWorkFile(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET; // from the start to the end, however the file grows
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return WorkFileLock::Taken;
    return errno == EAGAIN || errno == EACCES ? WorkFileLock::Held : WorkFileLock::Unsupported;
}

// "state", the whole size, the created file's device and inode, and last the name, which may hold
// any byte but "/" and NUL.
QByteArray encodeMarker(const CopyMarker& marker) {
    return QByteArray(marker.state == CopyMarker::State::Created ? "created" : "pending") + '\n' +
           QByteArray::number(marker.size) + '\n' + QByteArray::number(marker.device) + '\n' +
           QByteArray::number(marker.inode) + '\n' + marker.name;
}

std::optional<CopyMarker> decodeMarker(const QByteArray& bytes) {
    QList<QByteArray> fields;
    qsizetype from = 0;
    for (int field = 0; field < 4; ++field) {
        const qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            return std::nullopt;
        fields << bytes.mid(from, end - from);
        from = end + 1;
    }
    CopyMarker marker;
    if (fields[0] == "created")
        marker.state = CopyMarker::State::Created;
    else if (fields[0] != "pending")
        return std::nullopt;
    bool sizeOk = false, deviceOk = false, inodeOk = false;
    marker.size = fields[1].toLongLong(&sizeOk);
    marker.device = fields[2].toULongLong(&deviceOk);
    marker.inode = fields[3].toULongLong(&inodeOk);
    marker.name = bytes.mid(from);
    for (int field = 1; field < 4; ++field) {
        if (!allDigits(fields[field]))
            return std::nullopt;
    }
    // Only a plain name in the same folder, never a path that leads elsewhere.
    if (!sizeOk || !deviceOk || !inodeOk || marker.name.isEmpty() || marker.name.contains('/') ||
        marker.name.contains('\0') || marker.name == "." || marker.name == "..")
        return std::nullopt;
    return marker;
}

} // namespace corvander
