#pragma once

#include <QProcess>
#include <QStringList>

namespace corvander {

// The languages the tesseract command finds on this machine, sorted, "osd" left out: what the
// program should find too, asked another way.
inline QStringList tesseractLanguages() {
    QProcess tesseract;
    tesseract.setProcessChannelMode(QProcess::MergedChannels);
    tesseract.start(QStringLiteral("tesseract"), {QStringLiteral("--list-langs")});
    if (!tesseract.waitForFinished(30000))
        return {};
    QStringList names;
    const QStringList lines = QString::fromUtf8(tesseract.readAll()).split(QLatin1Char('\n'));
    // The first line says where they were found.
    for (const QString& line : lines.mid(1)) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && name != QLatin1String("osd"))
            names << name;
    }
    names.sort();
    return names;
}

} // namespace corvander
