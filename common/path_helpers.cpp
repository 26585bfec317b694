#include "common/path_helpers.h"

#include "common/error_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvander {

bool PathExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool IsDirectory(const QString& path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

void DeleteFileForced(const QString& path) {
    if (path.isEmpty())
        return;
    if (!QFile::remove(path)) {
        // A read-only file refuses the first delete; make it writable and try once more.
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
        QFile::remove(path);
    }
}

QString FileNameOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString StripExtension(const QString& text) {
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (text.isEmpty() || dot < 1)
        return text;
    return text.left(dot);
}

QString DesktopFolderPath() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        raiseError(QCoreApplication::translate("corvander::ErrorReport",
                                               "The desktop folder could not be determined."));
    if (desktop.endsWith(QLatin1Char('/')))
        return desktop;
    return desktop + QLatin1Char('/');
}

} // namespace corvander
