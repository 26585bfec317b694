#pragma once

#include "naming/template/template_document.h"
#include "tests/support/pdf_writer.h"

#include <QString>

namespace corvander {

// A document as the extraction gives it to templates: the PDF is written to `path`, its text read
// by `pdftotext -eol dos` and its information lines by `pdfinfo` and `pdfinfo -meta` (in the time
// zone `timeZone`), decoded as rename by content and rename by metadata decode them.
corvander::TemplateDocument extractedDocument(const PdfDocument& pdf, const QString& path,
                                              const QString& timeZone = QStringLiteral("UTC"));

// A document of literal text (lines ending in CR LF, pages ending in a form feed), named `path`.
corvander::TemplateDocument textDocument(const QString& text,
                                         const QString& path = QStringLiteral("/in/scan.pdf"));

} // namespace corvander
