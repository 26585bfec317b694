#include "common/environment_value.h"

#include <QByteArray>
#include <algorithm>
#include <cstdio>

namespace corvander {

namespace {

// The value as it was given, but with every byte that could act on a terminal written as \xHH.
QByteArray printable(const QByteArray& value) {
    QByteArray text;
    for (const char byte : value) {
        const auto code = static_cast<uchar>(byte);
        if (code < 0x20 || code >= 0x7f)
            text += "\\x" + QByteArray::number(code, 16).rightJustified(2, '0');
        else
            text += byte;
    }
    return text;
}

void refuse(const char* name, const QByteArray& value, const QByteArray& range,
            const QByteArray& fallback) {
    const QByteArray line = "corvander: " + QByteArray(name) + " is \"" + printable(value) +
                            "\", not " + range + "; the default " + fallback + " is used\n";
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace

qint64 wholeNumberFromEnvironment(const char* name, qint64 least, qint64 most, qint64 fallback) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty())
        return fallback;
    bool ok = false;
    const qint64 number = value.trimmed().toLongLong(&ok);
    if (ok && number >= least && number <= most)
        return number;
    refuse(name, value,
           "a whole number from " + QByteArray::number(least) + " to " + QByteArray::number(most),
           QByteArray::number(fallback));
    return fallback;
}

qint64 millisecondsFromEnvironment(const char* name, double leastSeconds, double mostSeconds,
                                   qint64 fallbackMilliseconds) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty())
        return fallbackMilliseconds;
    bool ok = false;
    const double seconds = value.trimmed().toDouble(&ok);
    // Written this way round, a value that is not a number (NaN) fails too.
    if (ok && seconds >= leastSeconds && seconds <= mostSeconds)
        return std::max<qint64>(1, qRound64(seconds * 1000));
    refuse(name, value,
           "a number of seconds from " + QByteArray::number(leastSeconds) + " to " +
               QByteArray::number(mostSeconds),
           QByteArray::number(double(fallbackMilliseconds) / 1000));
    return fallbackMilliseconds;
}

} // namespace corvander
