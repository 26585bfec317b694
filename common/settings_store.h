#pragma once

#include <QString>

// The per-user settings: the file Fernwick.ini in the XDG config folder, section [Corvander].
// Every value is text; a missing key gives the reader's default. Each save reaches the disk at
// once, so a crash or a hard exit never loses a choice already made.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath = defaultFilePath());

    static QString defaultFilePath();
    const QString& filePath() const { return m_filePath; }

    QString get(const QString& key, const QString& defaultValue = {}) const;
    bool contains(const QString& key) const;
    void save(const QString& key, const QString& value);

private:
    QString m_filePath;
};
