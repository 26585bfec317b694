#pragma once

// The PDF library as the worker uses it: set up once, documents opened one at a time, and the
// library's own complaints kept out of the conversation.

#include <memory>
#include <optional>
#include <string>

class PDFDoc;

namespace corvander::worker {
struct Answer;
}

namespace corvander::worker {

// Creates the library's global settings and routes its error messages away from the standard
// streams. Call once, before the first document.
void startPdfLibrary();

// Opens the file at path (bytes as the file system has them). A password is tried both as the
// owner and the user password, as `-opw PW -upw PW` would. The document may fail its isOk().
std::unique_ptr<PDFDoc> openDocument(const std::string& path,
                                     const std::optional<std::string>& password);

// True when the document opened; otherwise the answer says that it could not be opened, why
// (for people), and whether a password was what it lacked.
bool openedFor(const PDFDoc& doc, Answer& answer);

} // namespace corvander::worker
