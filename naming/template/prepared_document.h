#pragma once

#include "naming/template/template_document.h"
#include "naming/template/template_syntax.h"
#include "naming/template/template_text.h"

#include <optional>

namespace corvander {

// One document made ready for its fields: what several fields read (the pages, the text in line
// feed form) is worked out once, when the first field asks. Not for sharing between threads.
class PreparedDocument {
public:
    explicit PreparedDocument(const TemplateDocument& document) : m_document(document) {}

    const TemplateDocument& document() const { return m_document; }
    bool hasText() const { return m_document.text.has_value(); }
    // The text, empty when there is none.
    const QString& text() const;
    const QList<TextSpan>& pages() const;

    // The number of the last page: the text's last page when the text is complete, else the
    // page count; 0 when neither tells.
    int lastPage() const;
    int pageNumber(const PageRef& page) const { return page.last ? lastPage() : page.number; }
    // The page's span of the text; nothing when the text does not hold that page.
    std::optional<TextSpan> pageSpan(const PageRef& page) const;
    // The page (from 1) that holds the character at `at` of the text.
    int pageAt(qsizetype at) const;

    // The whole text, or one page, with each line ending in one line feed; and the page of a
    // position there.
    const QString& lineFeedText() const;
    QString lineFeedPage(const PageRef& page) const;
    int lineFeedPageAt(qsizetype at) const;

    // The word boxes of a page, or nothing when they were not extracted.
    const PageWords* pageWords(const PageRef& page) const;

private:
    const TemplateDocument& m_document;
    mutable std::optional<QList<TextSpan>> m_pages;
    mutable std::optional<QString> m_lineFeedText;
    mutable QList<qsizetype> m_lineFeedPageStarts;
};

} // namespace corvander
