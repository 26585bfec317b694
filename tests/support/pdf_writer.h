#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvander {

// A small writer of plain, uncompressed PDF files for tests and the benchmark. The files are
// complete (catalog, page tree, cross-reference table) so that real extractors read them without
// repair.

// A page's boxes ([x1 y1 x2 y2]; the media box is US Letter and there is no crop box unless
// given) and its turn in degrees.
struct PdfPageSetup {
    QList<double> mediaBox;
    QList<double> cropBox;
    int rotate = 0;
};

// Protection by passwords (RC4, 128 bits). An empty user password opens the document for
// anyone, under the permissions.
struct PdfEncryption {
    QByteArray userPassword;
    QByteArray ownerPassword;
    // The /P flags; -4 allows everything.
    qint32 permissions = -4;
};

// A grey picture: width × height bytes, rows top to bottom, 0 black and 255 white.
struct PdfGreyImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};

struct PdfDocument {
    // Each page: its text lines, drawn top to bottom in Helvetica. Characters outside Latin-1
    // become "?".
    QList<QStringList> pages;
    // Document information entries by key ("Title", "Author", "CreationDate" as
    // "D:20120313090643Z", ...). An empty map writes no information dictionary at all.
    QMap<QString, QString> info;
    // More information entries, each a string of exactly these bytes (PDFDocEncoding, or
    // UTF-16BE after its byte order mark), in the same dictionary as info.
    QMap<QString, QByteArray> rawInfo;
    // An XML packet stored as the catalog's metadata stream; none when empty.
    QString xmpMetadata;
    // Every page shows a small grey image and carries no text.
    bool imageOnly = false;
    // Pages that show a picture over their whole media box (compressed as scanners store theirs)
    // instead of their text lines, by page index.
    QMap<int, PdfGreyImage> pageImages;
    // The header's version, "1.4" unless told otherwise.
    QString version = QStringLiteral("1.4");
    // Boxes and turns of pages by index; the pages not listed are upright US Letter.
    QMap<int, PdfPageSetup> pageSetup;
    // Content streams written as they are instead of the text lines, by page index.
    QMap<int, QByteArray> rawContent;
    // More standard fonts by their names ("Times-Bold", "Courier"), as /F2, /F3, ... in every
    // page's resources, for the raw content streams.
    QStringList extraFonts;
    // Form XObjects /X1, /X2, ... with these content streams, available to every page and to
    // each other (with the font /F1).
    QList<QByteArray> forms;
    // Entries added to the catalog as they are (not encrypted), such as "/MarkInfo << ... >>".
    QByteArray catalogEntries;
    std::optional<PdfEncryption> encryption;
};

QByteArray pdfBytes(const PdfDocument& doc);
bool writePdf(const QString& path, const PdfDocument& doc);

// A document of the given pages, each page a single line of text.
PdfDocument pdfOfPages(const QStringList& pageTexts);

} // namespace corvander
