#pragma once

// What a file's name templates need, as one request to the extraction pool, and the document the
// templates are then evaluated on, made from that request's result.

#include "extract/extract_request.h"
#include "naming/template/template_document.h"
#include "naming/template/template_needs.h"

#include <QString>

namespace corvander {

// The one request that brings the text as far as the templates read it, the words and boxes of
// the pages their zones look at, and the document information, from one opening of the file.
// With the pool's OCR on, pages without words are read by OCR for the text and for the boxes.
ExtractRequest templateRequest(const QString& path, const TemplateNeeds& needs);

// The document for the templates from the result of templateRequest(path, needs): the text
// decoded as rename by content decodes it, each page at its own place, and whether it is all
// there; nothing of what the file could not give (the text, the information, the words of a page
// it does not have or whose words were too many to send).
TemplateDocument templateDocument(const QString& path, const TemplateNeeds& needs,
                                  const ExtractResult& result);

} // namespace corvander
