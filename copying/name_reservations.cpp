#include "copying/name_reservations.h"

#include "copying/results_folder.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>

namespace corvander {

namespace {

bool somethingAt(const ResultsFolder& folder, const QString& fileName) {
    struct stat info {};
    if (folder.isOpen())
        return ::fstatat(folder.descriptor(), QFile::encodeName(fileName).constData(), &info,
                         AT_SYMLINK_NOFOLLOW) == 0;
    const QString& path = folder.path();
    const QString base = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    return ::lstat(QFile::encodeName(base + fileName).constData(), &info) == 0;
}

} // namespace

QString NameReservations::reserve(const ResultsFolder& folder, const QString& name) {
    QString marks;
    for (;;) {
        const QString fileName = name + marks + QStringLiteral(".pdf");
        if (!m_taken.contains(fileName) && !somethingAt(folder, fileName)) {
            m_taken.insert(fileName);
            return fileName;
        }
        marks += QLatin1Char('!');
    }
}

} // namespace corvander
