#pragma once

#include "tests/support/pdf_writer.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace corvander {

// Documents the worker tests compare the worker and the command-line tools on.
namespace worker_documents {

// Five pages of several lines each; the third is empty.
inline PdfDocument multiPage() {
    PdfDocument doc;
    doc.pages = {{QStringLiteral("Annual report of the Aln Valley Field Station"),
                  QStringLiteral("Prepared by M. Holt (draft)")},
                 {QStringLiteral("Caf\u00e9 M\u00fcller \u2013 na\u00efve \u00a9 2024"),
                  QStringLiteral("Second line"), QStringLiteral("Third line")},
                 {},
                 {QStringLiteral("Page four: tables and figures")},
                 {QStringLiteral("Closing remarks"), QString(), QStringLiteral("Signed")}};
    return doc;
}

// Pages that are not upright US Letter: a crop box inside the media box, the three turns and
// A4.
inline PdfDocument shapedPages() {
    PdfDocument doc = multiPage();
    doc.pageSetup[0].cropBox = {36, 400, 400, 760};
    doc.pageSetup[1].rotate = 90;
    doc.pageSetup[2].rotate = 180;
    doc.pageSetup[3] = {{0, 0, 595.28, 841.89}, {}, 270};
    return doc;
}

inline QString write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

inline QString write(const QDir& dir, const QString& name, const PdfDocument& doc) {
    return write(dir, name, pdfBytes(doc));
}

// Files that are not whole documents: broken cross-references, half a file, nothing at all,
// plain text, and a name with no file.
inline QStringList brokenFiles(const QDir& dir) {
    const QByteArray good = pdfBytes(multiPage());
    QByteArray damaged = good;
    damaged.replace("0000000", "0000999");
    damaged.replace("/Type /Pages", "/Type /Fages");
    return {write(dir, QStringLiteral("damaged.pdf"), damaged),
            write(dir, QStringLiteral("truncated.pdf"), good.left(good.size() / 2)),
            write(dir, QStringLiteral("empty.pdf"), QByteArray()),
            write(dir, QStringLiteral("notes.pdf"), "Shopping list\nmilk\neggs\n"),
            dir.filePath(QStringLiteral("missing.pdf"))};
}

} // namespace worker_documents

} // namespace corvander
