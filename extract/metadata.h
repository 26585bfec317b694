#pragma once

#include "extract/extract_request.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace corvander {
// Brings the answer to one request, however the caller gets it (at once, or sent ahead).
using ExtractFunction = std::function<ExtractResult(const ExtractRequest&)>;

// The document information of one PDF as lines: the entries ("Title:", "Pages:",
// "PDF version:", ...) and, when the document has an XML metadata stream, a line "Metadata:"
// followed by that XML. Empty when the document could not be read.
QStringList ReadDocumentInfo(const corvander::ExtractFunction& extract, const QString& pdfPath);
QStringList documentInfoLines(const corvander::ExtractResult& result);

// The text after the first "label:" (letter case ignored) on the first line that holds it, with
// blanks (not tabs) trimmed from both ends; empty when no line holds it.
QString LookupInfoField(const QStringList& lines, const QString& label);

} // namespace corvander
