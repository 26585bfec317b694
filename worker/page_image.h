#pragma once

// A page drawn as a grey image for OCR, by the PDF library's own rasteriser.

#include <chrono>
#include <memory>

class PDFDoc;
class SplashBitmap;

namespace corvander::worker {

using Deadline = std::chrono::steady_clock::time_point;

struct GreyImage {
    GreyImage();
    GreyImage(GreyImage&&) noexcept;
    GreyImage& operator=(GreyImage&&) noexcept;
    ~GreyImage();

    // One byte a pixel, rows top to bottom, rowBytes apart; 255 is white.
    const unsigned char* pixels() const;
    int width() const;
    int height() const;
    int rowBytes() const;
    double dotsPerInch = 0;

    std::unique_ptr<SplashBitmap> bitmap;
};

// 300 dots per inch, less for a page so large that its image would pass 40 megapixels (anything
// up to A3 and well beyond gets the full resolution). 0 for a page without an area.
double ocrResolution(double widthPoints, double heightPoints);

enum class Drawing { Drawn, TimedOut, NoArea };

// Draws the page as it is seen (crop box, turned by its /Rotate) into image. Drawing stops when
// the deadline passes.
Drawing drawGreyPage(PDFDoc& doc, int page, Deadline deadline, GreyImage& image);

} // namespace corvander::worker
