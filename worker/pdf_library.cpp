#include "worker/pdf_library.h"

#include "worker/answer.h"
#include "worker/extract_protocol.h"

#include <poppler/Error.h>
#include <poppler/ErrorCodes.h>
#include <poppler/GlobalParams.h>
#include <poppler/PDFDoc.h>
#include <poppler/Stream.h>
#include <poppler/goo/GooString.h>
#include <poppler/goo/gfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

OpenedDocument::OpenedDocument() = default;
OpenedDocument::OpenedDocument(OpenedDocument&&) noexcept = default;
OpenedDocument::~OpenedDocument() = default;

namespace {

OpenedDocument openWith(const std::string& path, const std::optional<GooString>& secret) {
    firstComplaint().clear();
    OpenedDocument opened;
    // Opened as the library would open it (read-only, blocking), so that a file that cannot be
    // opened is left to the library, which fails on it just as before and says why.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0) {
        if (descriptor >= 0)
            ::close(descriptor);
        // Straight to the file: the command-line tools' factory would take "fd://0" as the
        // standard input, which here is the program's own request stream.
        opened.doc = std::make_unique<PDFDoc>(std::make_unique<GooString>(path), secret, secret);
        return opened;
    }
    opened.stamp = FileStamp{
        static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
        static_cast<long long>(info.st_size),
        static_cast<long long>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    opened.file = GooFile::open(descriptor);
    // The library's own way of reading a named file, from this descriptor: the document owns
    // the stream, the stream only reads the file.
    auto* stream =
        new FileStream(opened.file.get(), 0, false, opened.file->size(), Object(objNull));
    opened.doc = std::make_unique<PDFDoc>(stream, secret, secret);
    return opened;
}

} // namespace

OpenedDocument openDocument(const std::string& path, const std::optional<std::string>& password) {
    // A document with only an owner password opens without one; the password given, tried as
    // the user password, would shut it. So the password is tried only where none does not do.
    {
        OpenedDocument plain = openWith(path, std::nullopt);
        if (!password || plain->isOk() || plain->getErrorCode() != errEncrypted)
            return plain;
    }
    OpenedDocument opened = openWith(path, std::optional<GooString>(*password));
    opened.passwordTried = true;
    return opened;
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

bool openedFor(const OpenedDocument& opened, Answer& answer) {
    if (openedFor(*opened, answer))
        return true;
    answer.passwordRejected = answer.needsPassword && opened.passwordTried;
    return false;
}

} // namespace corvander::worker
