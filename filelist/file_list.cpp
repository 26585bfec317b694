#include "filelist/file_list.h"

#include "common/window_port.h"

namespace corvander {

namespace {
QString collapsePairs(QString text) {
    text.replace(QStringLiteral("//"), QStringLiteral("/"));
    return text;
}
} // namespace

QString collapseDoubledSlashes(const QString& path) {
    if (!path.startsWith(QLatin1Char('/')))
        return collapsePairs(path);
    qsizetype leading = 0;
    while (leading < path.size() && path.at(leading) == QLatin1Char('/'))
        ++leading;
    return QLatin1Char('/') + collapsePairs(path.mid(leading));
}

bool ListContainsPath(const FileListView& list, const QString& path) {
    for (int position = 1; position <= list.entryCount(); ++position) {
        if (list.entryText(position) == path)
            return true;
    }
    return false;
}

QString joinFolderAndName(const QString& folder, const QString& name) {
    return collapseDoubledSlashes(folder + QLatin1Char('/') + name);
}

} // namespace corvander
