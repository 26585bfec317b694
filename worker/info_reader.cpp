#include "worker/extract_protocol.h"
#include "worker/info_printer.h"
#include "worker/pdf_library.h"

#include <poppler/PDFDoc.h>
#include <poppler/goo/GooString.h>

#include <cstring>

namespace corvander::worker {

namespace {

// `pdfinfo -meta` prints the stream as a C string, so it stops at the first zero byte.
std::string metadataLines(PDFDoc& doc) {
    const std::unique_ptr<GooString> metadata = doc.readMetadata();
    if (!metadata)
        return {};
    std::string text(metadata->c_str(), std::strlen(metadata->c_str()));
    text += '\n';
    return text;
}

} // namespace

Answer readInfo(const InfoRequest& request) {
    Answer answer;
    const OpenedDocument doc = openDocument(request.path, request.password);
    answer.file = doc.stamp;
    if (!openedFor(doc, answer))
        return answer;
    answer.pageCount = doc->getNumPages();
    // pdfinfo looks at page 1 and refuses a document without one, printing nothing.
    if (answer.pageCount < 1) {
        answer.status = protocol::kStatusBadPageRange;
        answer.error = "the document has no pages";
        return answer;
    }
    addInformation(*doc, request.path, answer);
    answer.status = protocol::kStatusDone;
    return answer;
}

void addInformation(PDFDoc& doc, const std::string& path, Answer& answer) {
    // The XML stream first: `pdfinfo -meta` reads it straight after opening the document.
    answer.xml = metadataLines(doc);
    answer.info = informationLines(doc, path);
}

} // namespace corvander::worker
