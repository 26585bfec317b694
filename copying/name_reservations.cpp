#include "copying/name_reservations.h"

#include "copying/fitted_name.h"

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
    return ::lstat(QFile::encodeName(folder.pathOf(fileName)).constData(), &info) == 0;
}

} // namespace

QString NameReservations::reserve(const ResultsFolder& folder, const QString& name) {
    // A name with folders is reserved in its subfolder, which the run makes when it copies.
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const QString folders = slash < 0 ? QString() : name.left(slash + 1);
    const QString base = name.mid(slash + 1);
    for (int marks = 0;; ++marks) {
        const QString fileName = folders + fittedFileName(base, marks);
        if (!m_taken.contains(fileName) && !somethingAt(folder, fileName)) {
            m_taken.insert(fileName);
            return fileName;
        }
    }
}

} // namespace corvander
