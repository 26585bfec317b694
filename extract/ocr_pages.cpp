#include "extract/ocr_pages.h"

#include "worker/page_words.h"

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
    return protocol::pageHasWords(std::string_view(page.constData(), size_t(page.size())));
}

} // namespace corvander
