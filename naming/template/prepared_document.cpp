#include "naming/template/prepared_document.h"

#include <algorithm>

namespace corvander {

namespace {

const QString kNoText;

// The page's text with the form feed that ends it, if one does, so that its last line ends too.
QStringView pageWithEnd(const QString& text, TextSpan span) {
    const qsizetype end = span.end < text.size() ? span.end + 1 : span.end;
    return QStringView(text).mid(span.start, end - span.start);
}

int indexOfStart(const QList<qsizetype>& starts, qsizetype at) {
    const auto after = std::upper_bound(starts.begin(), starts.end(), at);
    return int(after - starts.begin());
}

} // namespace

const QString& PreparedDocument::text() const {
    return m_document.text ? *m_document.text : kNoText;
}

const QList<TextSpan>& PreparedDocument::pages() const {
    if (!m_pages)
        m_pages = pageSpans(text());
    return *m_pages;
}

int PreparedDocument::lastPage() const {
    if (hasText() && m_document.textComplete && !pages().isEmpty())
        return int(pages().size());
    return std::max(m_document.pageCount, 0);
}

std::optional<TextSpan> PreparedDocument::pageSpan(const PageRef& page) const {
    const int number = pageNumber(page);
    if (number < 1 || number > pages().size())
        return std::nullopt;
    return pages().at(number - 1);
}

int PreparedDocument::pageAt(qsizetype at) const {
    QList<qsizetype> starts;
    starts.reserve(pages().size());
    for (const TextSpan& page : pages())
        starts << page.start;
    return std::max(indexOfStart(starts, at), 1);
}

const QString& PreparedDocument::lineFeedText() const {
    if (m_lineFeedText)
        return *m_lineFeedText;
    QString whole;
    for (const TextSpan& page : pages()) {
        m_lineFeedPageStarts << whole.size();
        whole += lineFeedForm(pageWithEnd(text(), page));
    }
    m_lineFeedText = whole;
    return *m_lineFeedText;
}

QString PreparedDocument::lineFeedPage(const PageRef& page) const {
    const auto span = pageSpan(page);
    return span ? lineFeedForm(pageWithEnd(text(), *span)) : QString();
}

int PreparedDocument::lineFeedPageAt(qsizetype at) const {
    lineFeedText();
    return std::max(indexOfStart(m_lineFeedPageStarts, at), 1);
}

const PageWords* PreparedDocument::pageWords(const PageRef& page) const {
    int number = page.number;
    if (page.last) {
        number = m_document.pageCount;
        for (const PageWords& words : m_document.pageWords)
            number = std::max(number, words.page);
    }
    for (const PageWords& words : m_document.pageWords) {
        if (words.page == number)
            return &words;
    }
    return nullptr;
}

} // namespace corvander
