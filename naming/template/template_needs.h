#pragma once

#include "naming/template/template_syntax.h"

#include <QList>

namespace corvander {

// Pages of a document: numbered ones and, maybe, the last one (whatever its number).
struct PageSet {
    QList<int> numbers; // from 1, ascending, each once
    bool last = false;

    bool operator==(const PageSet&) const = default;
    bool isEmpty() const { return numbers.isEmpty() && !last; }
    void add(const PageRef& page);
    // Whether page `number` of a document of `pageCount` pages is among them.
    bool contains(int number, int pageCount) const;
};

// How much of the text the fields read.
enum class TextExtent {
    None,    // no field reads the text
    Leading, // only words from the start of the document: the text may stop once it holds
             // `leadingWords` words (countWords), all later pages unread
    Pages,   // only the pages in `textPages`
    Whole,   // the whole text: a search, a pattern or a date anywhere in it, or fields of both
             // kinds above together
};

// The one extraction a list of templates needs for each file, whatever the number of their
// fields and alternatives. The document given to the templates then holds:
// - text: for Whole, the whole text; for Leading, the text from the start, stopped after at least
//   `leadingWords` words (or whole), with textComplete false when stopped; for Pages, each page
//   asked for at its own place, every page before it present too (a page not read may be empty:
//   a lone form feed), with textComplete false and pageCount set when not all pages are there;
// - pageWords: the word boxes of the pages in `boxPages`;
// - infoLines: when `info` is set.
struct TemplateNeeds {
    TextExtent text = TextExtent::None;
    int leadingWords = 0;
    PageSet textPages;
    PageSet boxPages;
    bool info = false;

    bool operator==(const TemplateNeeds&) const = default;
    bool needsText() const { return text != TextExtent::None; }
    // The text's extraction may stop early: after `leadingWords` words.
    bool stopsEarly() const { return text == TextExtent::Leading; }
};

TemplateNeeds templateNeeds(const QList<Template>& templates);

} // namespace corvander
