#include "rename/name_reservations.h"

#include <QFile>
#include <sys/stat.h>

namespace corvander {

namespace {

bool somethingAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString NameReservations::reserve(const QString& folder, const QString& name) {
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QString marks;
    for (;;) {
        const QString fileName = name + marks + QStringLiteral(".pdf");
        if (!m_taken.contains(fileName) && !somethingAt(base + fileName)) {
            m_taken.insert(fileName);
            return fileName;
        }
        marks += QLatin1Char('!');
    }
}

} // namespace corvander
