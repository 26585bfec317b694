#pragma once

#include "tests/support/pdf_writer.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace corvander {

// Files for the extraction tests, written into a folder the test owns.
namespace pdf_files {

inline QString textPdf(const QDir& dir, const QString& name,
                       const QStringList& pages = {QStringLiteral("Quarterly report of the "
                                                                  "northern region")}) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(writePdf(path, pdfOfPages(pages))) << path.toStdString();
    return path;
}

inline QString imagePdf(const QDir& dir, const QString& name) {
    PdfDocument doc;
    doc.pages = {{}, {}};
    doc.imageOnly = true;
    const QString path = dir.filePath(name);
    EXPECT_TRUE(writePdf(path, doc)) << path.toStdString();
    return path;
}

inline QString plainFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

// An executable shell script standing in for a program.
inline QString script(const QDir& dir, const QString& name, const QByteArray& body) {
    const QString path = plainFile(dir, name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

// Everything in a folder, hidden entries included.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                  QDir::System);
}

} // namespace pdf_files

} // namespace corvander
