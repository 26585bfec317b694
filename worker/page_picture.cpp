#include "worker/page_picture.h"

#include "worker/extract_protocol.h"
#include "worker/page_frame.h"
#include "worker/pdf_library.h"

#include <poppler/PDFDoc.h>
#include <poppler/SplashOutputDev.h>
#include <poppler/goo/PNGWriter.h>
#include <poppler/splash/SplashBitmap.h>
#include <poppler/splash/SplashErrorCodes.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace corvander::worker {

namespace {

Answer failed(Answer answer, int status, std::string error) {
    answer.status = status;
    answer.error = std::move(error);
    return answer;
}

// A page of a few points is drawn no finer than this: filling the picture with it would draw its
// text at millions of times its size, which takes the drawing forever.
constexpr double kMostDotsPerInch = 2400;

// Dots per inch that make the crop box as large as fits into width × height pixels, or less when
// the picture would pass the protocol's number of pixels.
double resolutionFor(const PageFrame& frame, int width, int height) {
    const double dpi = std::min(
        {width * 72.0 / frame.cropWidth, height * 72.0 / frame.cropHeight, kMostDotsPerInch});
    const double pixels = (frame.cropWidth * dpi / 72) * (frame.cropHeight * dpi / 72);
    const double most = double(protocol::kMaxPageImagePixels);
    return pixels > most ? dpi * std::sqrt(most / pixels) : dpi;
}

// The bitmap as a PNG file, written into memory by the library's own writer.
bool encodePng(SplashBitmap& bitmap, double dpi, std::string& png) {
    char* bytes = nullptr;
    std::size_t length = 0;
    FILE* stream = open_memstream(&bytes, &length);
    if (stream == nullptr)
        return false;
    PNGWriter writer(PNGWriter::RGB);
    const bool written = bitmap.writeImgFile(&writer, stream, dpi, dpi, splashModeRGB8) == splashOk;
    const bool closed = std::fclose(stream) == 0;
    if (written && closed && bytes != nullptr)
        png.assign(bytes, length);
    std::free(bytes);
    return written && closed && !png.empty();
}

} // namespace

Answer drawPagePicture(const PictureRequest& request) {
    Answer answer;
    const OpenedDocument doc = openDocument(request.path, request.password);
    if (!openedFor(doc, answer))
        return answer;
    answer.pageCount = doc->getNumPages();
    if (request.page < 1 || request.page > answer.pageCount)
        return failed(std::move(answer), protocol::kStatusBadPageRange,
                      "the document has no page " + std::to_string(request.page));
    const PageFrame frame = pageFrame(*doc, request.page);
    if (!(frame.cropWidth > 0) || !(frame.cropHeight > 0))
        return failed(std::move(answer), protocol::kStatusOtherError, "the page has no area");

    const double dpi = resolutionFor(frame, request.width, request.height);
    SplashColor white;
    white[0] = white[1] = white[2] = 0xFF;
    // Smoothed edges, as a viewer draws them.
    SplashOutputDev output(splashModeRGB8, 4, false, white);
    output.setFontAntialias(true);
    output.setVectorAntialias(true);
    output.startDoc(doc.doc.get());
    doc->displayPage(&output, request.page, dpi, dpi, 0, false, true, false);
    SplashBitmap* bitmap = output.getBitmap();
    if (bitmap == nullptr || bitmap->getWidth() < 1 || bitmap->getHeight() < 1 ||
        !encodePng(*bitmap, dpi, answer.image))
        return failed(std::move(answer), protocol::kStatusOtherError, "the page was not drawn");
    answer.imageWidth = bitmap->getWidth();
    answer.imageHeight = bitmap->getHeight();
    answer.pageArea = {frame.cropLeft, frame.cropTop, frame.cropWidth, frame.cropHeight};
    answer.pageSize = {frame.width, frame.height};
    answer.status = protocol::kStatusDone;
    return answer;
}

} // namespace corvander::worker
