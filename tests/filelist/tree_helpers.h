#pragma once

#include "common/window_port.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace corvander {

// Writes a small file, making its folders first; returns its full path.
inline QString makeFile(const QString& root, const QString& relative,
                        const QByteArray& content = "not a pdf\n") {
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

inline QString makeFolder(const QString& root, const QString& relative) {
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

// Paths under root, for comparing whole lists.
inline QStringList under(const QString& root, const QStringList& relatives) {
    QStringList paths;
    for (const QString& relative : relatives)
        paths << root + QLatin1Char('/') + relative;
    return paths;
}

// A file list without a window, for the sources that only append.
class PathList : public FileListView {
public:
    int entryCount() const override { return int(entries.size()); }
    QString entryText(int position) const override { return entries.value(position - 1); }
    void appendEntry(const QString& path) override { entries << path; }
    QStringList entries;
};

inline QStringList entriesOf(const FileListView& list) {
    QStringList texts;
    for (int position = 1; position <= list.entryCount(); ++position)
        texts << list.entryText(position);
    return texts;
}

} // namespace corvander
