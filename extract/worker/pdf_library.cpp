#include "extract/worker/pdf_library.h"

#include "extract/worker/answer.h"
#include "extract/worker/extract_protocol.h"

#include <poppler/Error.h>
#include <poppler/ErrorCodes.h>
#include <poppler/GlobalParams.h>
#include <poppler/PDFDoc.h>
#include <poppler/goo/GooString.h>

namespace corvander::worker {

namespace {

// The first complaint since the last document was opened, to explain a failure to open it.
std::string& firstComplaint() {
    static std::string text;
    return text;
}

void keepFirstComplaint(ErrorCategory, Goffset, const char* message) {
    std::string& text = firstComplaint();
    if (text.empty() && message != nullptr)
        text.assign(message, 0, 200);
}

} // namespace

void startPdfLibrary() {
    setErrorCallback(&keepFirstComplaint);
    globalParams = std::make_unique<GlobalParams>();
}

std::unique_ptr<PDFDoc> openDocument(const std::string& path,
                                     const std::optional<std::string>& password) {
    firstComplaint().clear();
    std::optional<GooString> secret;
    if (password)
        secret.emplace(*password);
    // Straight to the file: the command-line tools' factory would take "fd://0" as the standard
    // input, which here is the program's own request stream.
    return std::make_unique<PDFDoc>(std::make_unique<GooString>(path), secret, secret);
}

namespace {

std::string openFailure(const PDFDoc& doc) {
    std::string reason;
    switch (doc.getErrorCode()) {
    case errOpenFile:
        reason = "the file could not be opened";
        break;
    case errEncrypted:
        reason = "a wrong or missing password";
        break;
    case errBadCatalog:
    case errDamaged:
        reason = "the document is damaged";
        break;
    default:
        reason = "the document could not be read";
        break;
    }
    if (!firstComplaint().empty())
        reason += " (" + firstComplaint() + ")";
    return reason;
}

} // namespace

bool openedFor(const PDFDoc& doc, Answer& answer) {
    if (doc.isOk())
        return true;
    answer.status = protocol::kStatusCannotOpen;
    answer.error = openFailure(doc);
    answer.needsPassword = doc.getErrorCode() == errEncrypted;
    return false;
}

} // namespace corvander::worker
