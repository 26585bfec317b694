#include "filelist/path_checks.h"

#include "common/code_page.h"

#include <QFile>
#include <sys/stat.h>

namespace corvander {

bool FileExistsByOpen(const QString& path) {
    // Needs no access rights, like opening with none on the old platform: a file the user may
    // not read still counts as there. An empty path names nothing.
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool HasUnsafeChars(const QString& name) {
    for (const char32_t code : name.toUcs4()) {
        if (code < 32 || (code >= 127 && code <= 159))
            return true;
    }
    return false;
}

bool HasUnsafeChars(const QByteArray& rawName) {
    return !isValidUtf8(rawName) || HasUnsafeChars(QFile::decodeName(rawName));
}

} // namespace corvander
