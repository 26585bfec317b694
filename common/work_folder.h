#pragma once

#include <QString>
#include <QTemporaryDir>

// This instance's private work folder (owner-only), made under the system temp location.
// Extractor output lands here; the folder and everything in it go when the program ends.
class WorkFolder {
public:
    WorkFolder();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // Path of a file in the folder.
    QString filePath(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    void remove() { m_dir.remove(); }

private:
    QTemporaryDir m_dir;
};
