#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

// Folders nested so deep that their full paths pass what one system call takes (4096 bytes).
// They are made one level at a time relative to an open folder, the only way to make them.

// Makes `levels` folders of 250-byte names (of `letter`) under root, one in the other, and
// returns the deepest one's full path, or an empty text when the system refused.
inline QString makeDeepFolders(const QString& root, int levels, char letter = 'd') {
    const QByteArray name(250, letter);
    int folder = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QByteArray path = QFile::encodeName(root);
    for (int level = 0; level < levels && folder >= 0; ++level) {
        const bool made = ::mkdirat(folder, name.constData(), 0700) == 0 || errno == EEXIST;
        const int inner =
            made ? ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        ::close(folder);
        folder = inner;
        path += '/' + name;
    }
    if (folder < 0)
        return {};
    ::close(folder);
    return QFile::decodeName(path);
}

// Writes a file at a full path of any length, opening its folder level by level.
inline bool writeDeepFile(const QString& path, const QByteArray& content) {
    const QByteArray encoded = QFile::encodeName(path);
    int folder = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QList<QByteArray> parts = encoded.split('/');
    for (qsizetype i = 0; i + 1 < parts.size() && folder >= 0; ++i) {
        if (parts.at(i).isEmpty())
            continue;
        const int inner = ::openat(folder, parts.at(i).constData(), O_RDONLY | O_DIRECTORY);
        ::close(folder);
        folder = inner;
    }
    if (folder < 0)
        return false;
    const int file =
        ::openat(folder, parts.last().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    ::close(folder);
    if (file < 0)
        return false;
    const bool written =
        ::write(file, content.constData(), size_t(content.size())) == ssize_t(content.size());
    ::close(file);
    return written;
}

// Removes a tree that holds paths too long for Qt, which removes by full paths.
inline void removeDeepTree(const QString& root) {
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--"), root});
}

} // namespace corvander
