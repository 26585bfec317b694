#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A small writer of plain, uncompressed PDF files for tests and the benchmark. The files are
// complete (catalog, page tree, cross-reference table) so that real extractors read them without
// repair.
struct PdfDocument {
    // Each page: its text lines, drawn top to bottom in Helvetica. Characters outside Latin-1
    // become "?".
    QList<QStringList> pages;
    // Document information entries by key ("Title", "Author", "CreationDate" as
    // "D:20120313090643Z", ...). An empty map writes no information dictionary at all.
    QMap<QString, QString> info;
    // An XML packet stored as the catalog's metadata stream; none when empty.
    QString xmpMetadata;
    // Every page shows a small grey image and carries no text.
    bool imageOnly = false;
    // The header's version, "1.4" unless told otherwise.
    QString version = QStringLiteral("1.4");
};

QByteArray pdfBytes(const PdfDocument& doc);
bool writePdf(const QString& path, const PdfDocument& doc);

// A document of the given pages, each page a single line of text.
PdfDocument pdfOfPages(const QStringList& pageTexts);
