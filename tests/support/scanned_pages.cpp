#include "tests/support/scanned_pages.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace corvander {

namespace {

// The numbers of a binary PGM header ("P5 width height maxval", comments allowed) and where the
// pixels start.
std::optional<PdfGreyImage> fromPgm(const QByteArray& bytes) {
    if (!bytes.startsWith("P5"))
        return std::nullopt;
    QList<int> numbers;
    qsizetype at = 2;
    while (numbers.size() < 3 && at < bytes.size()) {
        const char c = bytes[at];
        if (c == '#') {
            while (at < bytes.size() && bytes[at] != '\n')
                ++at;
        } else if (c >= '0' && c <= '9') {
            int value = 0;
            while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9')
                value = value * 10 + (bytes[at++] - '0');
            numbers.append(value);
            continue;
        }
        ++at;
    }
    // One white-space byte after the last number, then the pixels.
    ++at;
    if (numbers.size() != 3 || numbers[2] != 255)
        return std::nullopt;
    PdfGreyImage image{numbers[0], numbers[1], bytes.mid(at)};
    if (image.pixels.size() != qsizetype(image.width) * image.height)
        return std::nullopt;
    return image;
}

} // namespace

std::optional<PdfGreyImage> renderedPage(const QString& pdfPath, int page, int dpi) {
    QTemporaryDir folder;
    const QString root = folder.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.setStandardOutputFile(QProcess::nullDevice());
    pdftoppm.setStandardErrorFile(QProcess::nullDevice());
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                    QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                    QString::number(page), QStringLiteral("-singlefile"), pdfPath, root});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit ||
        pdftoppm.exitCode() != 0)
        return std::nullopt;
    QFile file(root + QStringLiteral(".pgm"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromPgm(file.readAll());
}

std::optional<PdfGreyImage> renderedPage(const PdfDocument& doc, int page, int dpi) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    if (!writePdf(path, doc))
        return std::nullopt;
    return renderedPage(path, page, dpi);
}

PdfGreyImage plainPicture(int width, int height, unsigned char shade) {
    return {width, height, QByteArray(qsizetype(width) * height, char(shade))};
}

void addScannedPage(PdfDocument& doc, const PdfGreyImage& picture, int dpi) {
    const int index = int(doc.pages.size());
    doc.pages.append(QStringList());
    doc.pageImages[index] = picture;
    doc.pageSetup[index].mediaBox = {0, 0, picture.width * 72.0 / dpi, picture.height * 72.0 / dpi};
}

} // namespace corvander
