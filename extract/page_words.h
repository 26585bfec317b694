#pragma once

#include <QList>
#include <QString>

namespace corvander {

// One word of a page with its box, in points from the page's top-left corner, as
// `pdftotext -bbox` lists it (or as OCR read it).
struct WordBox {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PageWords {
    int page = 0; // 1-based
    double width = 0, height = 0;
    QList<WordBox> words;
};

} // namespace corvander
