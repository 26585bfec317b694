#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace corvander {

// True when the process is gone (or only a zombie waiting to be reaped) within the time given.
inline bool processEnds(qint64 pid, int milliseconds = 3000) {
    const QDeadlineTimer deadline(milliseconds);
    do {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        // The state follows the command name in parentheses.
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close < 0 || close + 2 >= line.size() || line.at(close + 2) == 'Z')
            return true;
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace corvander
