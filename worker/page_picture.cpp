#include "worker/page_picture.h"

#include "worker/extract_protocol.h"
#include "worker/page_frame.h"
#include "worker/pdf_library.h"

#include <poppler/PDFDoc.h>
#include <poppler/SplashOutputDev.h>
#include <poppler/splash/SplashBitmap.h>

#include <cmath>

namespace corvander::worker {

namespace {

Answer failed(Answer answer, int status, std::string error) {
    answer.status = status;
    answer.error = std::move(error);
    return answer;
}

// Dots per inch that make the crop box `width` pixels wide, or less when the picture would
// pass the protocol's number of pixels.
double resolutionFor(const PageFrame& frame, int width) {
    const double dpi = width * 72.0 / frame.cropWidth;
    const double pixels = double(width) * (frame.cropHeight * dpi / 72);
    const double most = double(protocol::kMaxPageImagePixels);
    return pixels > most ? dpi * std::sqrt(most / pixels) : dpi;
}

} // namespace

Answer drawPagePicture(const PictureRequest& request) {
    Answer answer;
    const OpenedDocument doc = openDocument(request.path, request.password);
    if (!openedFor(*doc, answer))
        return answer;
    answer.pageCount = doc->getNumPages();
    if (request.page < 1 || request.page > answer.pageCount)
        return failed(std::move(answer), protocol::kStatusBadPageRange,
                      "the document has no page " + std::to_string(request.page));
    const PageFrame frame = pageFrame(*doc, request.page);
    if (!(frame.cropWidth > 0) || !(frame.cropHeight > 0))
        return failed(std::move(answer), protocol::kStatusOtherError, "the page has no area");

    const double dpi = resolutionFor(frame, request.width);
    SplashColor white;
    white[0] = white[1] = white[2] = 0xFF;
    // Smoothed edges, as a viewer draws them; rows without padding.
    SplashOutputDev output(splashModeRGB8, 1, false, white);
    output.setFontAntialias(true);
    output.setVectorAntialias(true);
    output.startDoc(doc.doc.get());
    doc->displayPage(&output, request.page, dpi, dpi, 0, false, true, false);
    SplashBitmap* bitmap = output.getBitmap();
    if (bitmap == nullptr || bitmap->getWidth() < 1 || bitmap->getHeight() < 1)
        return failed(std::move(answer), protocol::kStatusOtherError, "the page was not drawn");

    answer.imageWidth = bitmap->getWidth();
    answer.imageHeight = bitmap->getHeight();
    const auto rowBytes = static_cast<std::size_t>(answer.imageWidth) * 3;
    answer.image.reserve(rowBytes * static_cast<std::size_t>(answer.imageHeight));
    const auto* row = reinterpret_cast<const char*>(bitmap->getDataPtr());
    for (int y = 0; y < answer.imageHeight; ++y, row += bitmap->getRowSize())
        answer.image.append(row, rowBytes);
    answer.pageArea = {frame.cropLeft, frame.cropTop, frame.cropWidth, frame.cropHeight};
    answer.pageSize = {frame.width, frame.height};
    answer.status = protocol::kStatusDone;
    return answer;
}

} // namespace corvander::worker
