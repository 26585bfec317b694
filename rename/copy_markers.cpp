#include "rename/copy_markers.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
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

bool processRuns(qint64 pid) {
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

QByteArray encodeMarker(const CopyMarker& marker) {
    return QByteArray(marker.state == CopyMarker::State::Created ? "created" : "pending") + '\n' +
           QByteArray::number(marker.size) + '\n' + marker.name;
}

std::optional<CopyMarker> decodeMarker(const QByteArray& bytes) {
    const qsizetype firstEnd = bytes.indexOf('\n');
    const qsizetype secondEnd = firstEnd < 0 ? -1 : bytes.indexOf('\n', firstEnd + 1);
    if (secondEnd < 0)
        return std::nullopt;
    CopyMarker marker;
    const QByteArray state = bytes.left(firstEnd);
    if (state == "created")
        marker.state = CopyMarker::State::Created;
    else if (state != "pending")
        return std::nullopt;
    const QByteArray size = bytes.mid(firstEnd + 1, secondEnd - firstEnd - 1);
    bool ok = false;
    marker.size = size.toLongLong(&ok);
    marker.name = bytes.mid(secondEnd + 1);
    // Only a plain name in the same folder, never a path that leads elsewhere.
    if (!allDigits(size) || !ok || marker.name.isEmpty() || marker.name.contains('/') ||
        marker.name.contains('\0') || marker.name == "." || marker.name == "..")
        return std::nullopt;
    return marker;
}

} // namespace corvander
