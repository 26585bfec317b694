#include "common/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {
const QString kSection = QStringLiteral("Corvander");

QString keyPath(const QString& key) {
    return kSection + QLatin1Char('/') + key;
}
} // namespace

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

QString SettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Fernwick.ini");
}

QString SettingsStore::get(const QString& key, const QString& defaultValue) const {
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
    QSettings settings(m_filePath, QSettings::IniFormat);
    return settings.contains(keyPath(key));
}

void SettingsStore::save(const QString& key, const QString& value) {
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.setValue(keyPath(key), value);
    settings.sync();
}
