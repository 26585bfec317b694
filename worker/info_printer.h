#pragma once

// The "info" request: what `pdfinfo FILE` and `pdfinfo -meta FILE` print on their standard
// output.

#include "worker/answer.h"

#include <optional>
#include <string>

class PDFDoc;

namespace corvander::worker {

struct InfoRequest {
    std::string path;
    std::optional<std::string> password;
};

Answer readInfo(const InfoRequest& request);

// The information and the XML stream of an open document with at least one page, into the
// answer, as readInfo gives them; the document was opened straight before.
void addInformation(PDFDoc& doc, const std::string& path, Answer& answer);

// The lines of `pdfinfo FILE` for an open document with at least one page.
std::string informationLines(PDFDoc& doc, const std::string& path);

// The lines pdfinfo adds for a document that claims a PDF subset (PDF/A, PDF/X, ...).
std::string subtypeLines(PDFDoc& doc);

} // namespace corvander::worker
