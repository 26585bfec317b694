#include "bench/process_memory.h"

#include <QByteArray>
#include <QFile>
#include <sys/resource.h>

namespace corvander {

namespace {

qint64 peakFromStatus(const QString& statusFile) {
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // The line reads "VmHWM:     12345 kB".
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmHWM:"))
            continue;
        bool ok = false;
        const qint64 kilobytes = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? kilobytes * 1024 : -1;
    }
    return -1;
}

} // namespace

qint64 peakResidentBytes(qint64 processId) {
    return peakFromStatus(QStringLiteral("/proc/%1/status").arg(processId));
}

bool restartOwnPeak() {
    // Writing 5 to clear_refs resets the peak resident size to the current one (Linux 4.0 on).
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1 && clearRefs.flush();
}

qint64 ownPeakResidentBytes() {
    const qint64 peak = peakFromStatus(QStringLiteral("/proc/self/status"));
    if (peak >= 0)
        return peak;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace corvander
