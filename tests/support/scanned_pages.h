#pragma once

#include "tests/support/pdf_writer.h"

#include <QString>

#include <optional>

namespace corvander {

// Scans made from the tests' own documents: a page drawn as a grey picture (by pdftoppm, as a
// scanner would see the printed page) and documents that hold such pictures and no text.

// Page `page` (from 1) of the PDF as a grey picture at dpi; nullopt when pdftoppm failed.
std::optional<PdfGreyImage> renderedPage(const QString& pdfPath, int page, int dpi);

// The same for a document not yet written.
std::optional<PdfGreyImage> renderedPage(const PdfDocument& doc, int page, int dpi);

// A picture of one shade.
PdfGreyImage plainPicture(int width, int height, unsigned char shade = 255);

// Adds a page that shows the picture and nothing else, sized as a picture scanned at dpi.
void addScannedPage(PdfDocument& doc, const PdfGreyImage& picture, int dpi);

} // namespace corvander
