#include "common/settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {
const QString kSection = QStringLiteral("Corvander");

QString keyPath(const QString& key) {
    return kSection + QLatin1Char('/') + key;
}

// Moves `from` to `to` unless something stands at `to`: 0, or the errno (EEXIST when taken).
int moveWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system that cannot rename without replacing: link, then drop the old name.
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    ::unlink(source.constData());
    return 0;
}

enum class FileKind {
    Missing,
    Regular,
    // A pipe, a device, a folder, a socket, a link loop: opening it may wait for ever, reading it
    // may never end, and it holds no settings either way.
    Other,
};

// What stands at the path, links followed: a link to a regular file is one.
FileKind kindOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}
} // namespace

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Fernwick.ini");
}

QString SettingsStore::get(const QString& key, const QString& defaultValue) const {
    if (!usable())
        return defaultValue;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QVariant value = settings.value(keyPath(key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted value with commas, typed into the file by hand, comes back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(const QString& key) const {
    if (!usable())
        return false;
    QSettings settings(m_filePath, QSettings::IniFormat);
    return settings.contains(keyPath(key));
}

void SettingsStore::save(const QString& key, const QString& value) {
    if (m_writesRefused || !usable()) {
        writeFailed();
        return;
    }
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.setValue(keyPath(key), value);
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        writeFailed();
}

bool SettingsStore::usable() const {
    return kindOf(m_filePath) != FileKind::Other;
}

SettingsStore::UnreadableFile SettingsStore::keepUnreadableFileAside() {
    const FileKind kind = kindOf(m_filePath);
    if (kind == FileKind::Missing)
        return {};
    if (kind == FileKind::Regular) {
        const QSettings settings(m_filePath, QSettings::IniFormat);
        // The file is parsed at the first look inside, and only then is its status known.
        settings.allKeys();
        if (settings.status() == QSettings::NoError)
            return {};
    }
    const QString base = m_filePath + QStringLiteral(".unreadable");
    for (int number = 0; number < 1000; ++number) {
        const QString candidate =
            number == 0 ? base : base + QLatin1Char('.') + QString::number(number);
        const int error = moveWithoutReplacing(m_filePath, candidate);
        if (error == 0)
            return {true, candidate};
        if (error != EEXIST)
            break;
    }
    // Writing the defaults would destroy the only copy of what the user had.
    m_writesRefused = true;
    m_writeFailureReported = true;
    return {true, {}};
}

void SettingsStore::setWriteFailureHandler(std::function<void()> handler) {
    m_onWriteFailure = std::move(handler);
}

void SettingsStore::writeFailed() {
    if (m_writeFailureReported || !m_onWriteFailure)
        return;
    m_writeFailureReported = true;
    m_onWriteFailure();
}

} // namespace corvander
