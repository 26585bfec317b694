#include "cli/source_list.h"

#include "cli/command_ports.h"
#include "common/code_page.h"
#include "common/path_helpers.h"
#include "filelist/add_folder.h"
#include "filelist/list_sources.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>

namespace corvander {

namespace {

bool isFolder(const QByteArray& raw) {
    struct stat info {};
    return ::stat(raw.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

ListedSource leftOutSource(const LeftOutPath& item, QStringList& leftOut) {
    leftOut << item.text();
    return {item.path, {}, item.reason};
}

// The files of one walked folder, those left out among the others in name order.
QList<ListedSource> filesOfFolder(const QString& folder, const QString& pattern,
                                  QStringList& leftOut) {
    CommandList walked;
    LeftOutPaths left;
    appendFilesOfFolders(walked, {folder}, pattern, &left);
    QList<ListedSource> files;
    for (int position = 1; position <= walked.entryCount(); ++position) {
        const QString file = walked.entryText(position);
        files.append({QFile::encodeName(file), file, {}});
    }
    for (const LeftOutPath& item : std::as_const(left))
        files.append(leftOutSource(item, leftOut));
    // Each name's sort key once: a watched inbox of thousands of files is listed every second.
    QList<std::pair<QString, ListedSource>> keyed;
    keyed.reserve(files.size());
    for (ListedSource& file : files)
        keyed.append({escapeInvalidUtf8(file.name), std::move(file)});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    files.clear();
    for (auto& [key, file] : keyed)
        files.append(std::move(file));
    return files;
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
            sources.append({raw, {}, notUtf8Reason()});
            continue;
        }
        const QString path = QFile::decodeName(raw);
        if (!IsDirectory(path)) {
            sources.append({raw, path, {}});
            continue;
        }
        QStringList folders{path + QLatin1Char('/')};
        LeftOutPaths leftFolders;
        GetSubDirectories2016(folders, true, dialogs, nullptr, &leftFolders);
        const QString pattern = QStringLiteral("*.") + extension;
        for (const QString& folder : std::as_const(folders))
            sources += filesOfFolder(folder, pattern, leftOut);
        for (const LeftOutPath& item : std::as_const(leftFolders))
            sources.append(leftOutSource(item, leftOut));
    }
    return sources;
}

} // namespace corvander
