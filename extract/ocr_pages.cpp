#include "extract/ocr_pages.h"

namespace corvander {

QList<QByteArray> splitPages(const QByteArray& text) {
    QList<QByteArray> pages;
    qsizetype start = 0;
    for (qsizetype end = text.indexOf('\f'); end >= 0; end = text.indexOf('\f', start)) {
        pages << text.mid(start, end + 1 - start);
        start = end + 1;
    }
    return pages;
}

bool pageHasWords(const QByteArray& page) {
    for (const char c : page) {
        if (c != ' ' && c != '\r' && c != '\n' && c != '\f')
            return true;
    }
    return false;
}

} // namespace corvander
