#pragma once

// Where things lie on a page, in the points the text layout gives its words' boxes in.

class PDFDoc;

namespace corvander::worker {

// The page's media box turned by its /Rotate, measured from its top-left corner: the space of
// `pdftotext -bbox`. The crop box in that space is what a page drawn as it is seen shows.
struct PageFrame {
    double width = 0;
    double height = 0;
    double cropLeft = 0;
    double cropTop = 0;
    double cropWidth = 0;
    double cropHeight = 0;
};

PageFrame pageFrame(PDFDoc& doc, int page);

} // namespace corvander::worker
