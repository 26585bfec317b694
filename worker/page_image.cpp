#include "worker/page_image.h"

#include <poppler/PDFDoc.h>
#include <poppler/SplashOutputDev.h>
#include <poppler/splash/SplashBitmap.h>

#include <cmath>

namespace corvander::worker {

namespace {

constexpr double kResolution = 300;
constexpr double kMaxPixels = 40e6;

bool pastDeadline(void* data) {
    return std::chrono::steady_clock::now() > *static_cast<const Deadline*>(data);
}

} // namespace

GreyImage::GreyImage() = default;
GreyImage::GreyImage(GreyImage&&) noexcept = default;
GreyImage& GreyImage::operator=(GreyImage&&) noexcept = default;
GreyImage::~GreyImage() = default;

const unsigned char* GreyImage::pixels() const {
    return bitmap ? bitmap->getDataPtr() : nullptr;
}

int GreyImage::width() const {
    return bitmap ? bitmap->getWidth() : 0;
}

int GreyImage::height() const {
    return bitmap ? bitmap->getHeight() : 0;
}

int GreyImage::rowBytes() const {
    return bitmap ? bitmap->getRowSize() : 0;
}

double ocrResolution(double widthPoints, double heightPoints) {
    if (!(widthPoints > 0) || !(heightPoints > 0))
        return 0;
    const double scale = kResolution / 72;
    const double pixels = (widthPoints * scale) * (heightPoints * scale);
    if (pixels <= kMaxPixels)
        return kResolution;
    return kResolution * std::sqrt(kMaxPixels / pixels);
}

Drawing drawGreyPage(PDFDoc& doc, int page, Deadline deadline, GreyImage& image) {
    const double dpi = ocrResolution(doc.getPageCropWidth(page), doc.getPageCropHeight(page));
    if (dpi <= 0)
        return Drawing::NoArea;
    SplashColor white;
    white[0] = 0xFF;
    // Rows padded to four bytes, as the OCR library likes them; smoothed edges as pdftoppm draws.
    SplashOutputDev output(splashModeMono8, 4, false, white);
    output.setFontAntialias(true);
    output.setVectorAntialias(true);
    output.startDoc(&doc);
    doc.displayPage(&output, page, dpi, dpi, 0, false, true, false, &pastDeadline, &deadline);
    if (std::chrono::steady_clock::now() > deadline)
        return Drawing::TimedOut;
    image.bitmap.reset(output.takeBitmap());
    image.dotsPerInch = dpi;
    return image.bitmap && image.width() > 0 && image.height() > 0 ? Drawing::Drawn
                                                                   : Drawing::NoArea;
}

} // namespace corvander::worker
