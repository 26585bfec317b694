#include "cli/source_list.h"

#include "cli/command_ports.h"
#include "common/code_page.h"
#include "common/path_helpers.h"
#include "filelist/add_folder.h"
#include "filelist/list_sources.h"

#include <QFile>
#include <sys/stat.h>

namespace corvander {

namespace {

bool isFolder(const QByteArray& raw) {
    struct stat info {};
    return ::stat(raw.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

QString notUtf8Reason() {
    return QStringLiteral("the name is not valid UTF-8");
}

QList<ListedSource> listSources(const QList<QByteArray>& paths, const QString& extension,
                                Dialogs& dialogs, QStringList& leftOut) {
    QList<ListedSource> sources;
    for (const QByteArray& raw : paths) {
        if (!isValidUtf8(raw)) {
            if (isFolder(raw))
                leftOut << escapeInvalidUtf8(raw) + QStringLiteral(": ") + notUtf8Reason();
            else
                sources.append({raw, {}});
            continue;
        }
        const QString path = QFile::decodeName(raw);
        if (!IsDirectory(path)) {
            sources.append({raw, path});
            continue;
        }
        QStringList folders{path + QLatin1Char('/')};
        GetSubDirectories2016(folders, true, dialogs, nullptr, &leftOut);
        CommandList walked;
        appendFilesOfFolders(walked, folders, QStringLiteral("*.") + extension, &leftOut);
        for (int position = 1; position <= walked.entryCount(); ++position) {
            const QString file = walked.entryText(position);
            sources.append({QFile::encodeName(file), file});
        }
    }
    return sources;
}

} // namespace corvander
