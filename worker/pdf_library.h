#pragma once

// The PDF library as the worker uses it: set up once, documents opened one at a time, and the
// library's own complaints kept out of the conversation.

#include "worker/answer.h"

#include <memory>
#include <optional>
#include <string>

class GooFile;
class PDFDoc;

namespace corvander::worker {

// Creates the library's global settings and routes its error messages away from the standard
// streams. Call once, before the first document.
void startPdfLibrary();

// A document and the file it is read from. The worker opens the file itself and hands the
// descriptor to the library, so that the state it reports (fstat of that descriptor) belongs to
// the very bytes that were read, even when the name is given to another file meanwhile.
struct OpenedDocument {
    OpenedDocument();
    OpenedDocument(OpenedDocument&&) noexcept;
    ~OpenedDocument();

    PDFDoc& operator*() const { return *doc; }
    PDFDoc* operator->() const { return doc.get(); }

    std::unique_ptr<GooFile> file; // the document's stream reads from it, so it goes last
    std::unique_ptr<PDFDoc> doc;
    std::optional<FileStamp> stamp;
    // The document did not open without a password, so the one given was tried.
    bool passwordTried = false;
};

// Opens the file at path (bytes as the file system has them), first without a password. Only a
// document that wants one is opened again with the password, tried both as the owner and the
// user password, as `-opw PW -upw PW` would. The document may fail its isOk().
OpenedDocument openDocument(const std::string& path, const std::optional<std::string>& password);

// True when the document opened; otherwise the answer says that it could not be opened, why
// (for people), and whether a password was what it lacked.
bool openedFor(const PDFDoc& doc, Answer& answer);
// The same, and whether the password given was tried and did not open it.
bool openedFor(const OpenedDocument& opened, Answer& answer);

} // namespace corvander::worker
