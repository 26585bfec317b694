#include "worker/page_frame.h"

#include <poppler/GfxState.h>
#include <poppler/PDFDoc.h>
#include <poppler/Page.h>

#include <algorithm>

namespace corvander::worker {

PageFrame pageFrame(PDFDoc& doc, int page) {
    PageFrame frame;
    Page* const found = doc.getPage(page);
    if (found == nullptr)
        return frame;
    // The state the text layout starts each page with, at one pixel a point.
    const GfxState state(72, 72, found->getMediaBox(), found->getRotate(), true);
    frame.width = state.getPageWidth();
    frame.height = state.getPageHeight();
    const PDFRectangle* crop = found->getCropBox();
    double left = 0, top = 0, right = 0, bottom = 0;
    bool first = true;
    for (const double x : {crop->x1, crop->x2}) {
        for (const double y : {crop->y1, crop->y2}) {
            double turnedX = 0, turnedY = 0;
            state.transform(x, y, &turnedX, &turnedY);
            left = first ? turnedX : std::min(left, turnedX);
            right = first ? turnedX : std::max(right, turnedX);
            top = first ? turnedY : std::min(top, turnedY);
            bottom = first ? turnedY : std::max(bottom, turnedY);
            first = false;
        }
    }
    frame.cropLeft = left;
    frame.cropTop = top;
    frame.cropWidth = right - left;
    frame.cropHeight = bottom - top;
    return frame;
}

} // namespace corvander::worker
