#include "naming/template/template_needs.h"

#include <algorithm>

namespace corvander {

void PageSet::add(const PageRef& page) {
    if (page.last) {
        last = true;
        return;
    }
    const auto at = std::lower_bound(numbers.begin(), numbers.end(), page.number);
    if (at == numbers.end() || *at != page.number)
        numbers.insert(at, page.number);
}

bool PageSet::contains(int number, int pageCount) const {
    return numbers.contains(number) || (last && number == pageCount);
}

namespace {

// What the alternatives ask for, before it is made one extraction.
struct Wanted {
    bool whole = false;
    int leadingWords = 0;
    PageSet pages;
    PageSet boxes;
    bool info = false;
};

void addAlternative(const Alternative& alternative, Wanted& wanted) {
    switch (alternative.kind) {
    case FieldKind::Words:
        if (alternative.page)
            wanted.pages.add(*alternative.page);
        else
            wanted.leadingWords = std::max(wanted.leadingWords, alternative.last);
        break;
    case FieldKind::Match:
        if (alternative.page)
            wanted.pages.add(*alternative.page);
        else
            wanted.whole = true;
        break;
    case FieldKind::After:
    case FieldKind::Before:
    case FieldKind::Date:
    case FieldKind::If:
        wanted.whole = true;
        break;
    case FieldKind::Zone:
        wanted.boxes.add(alternative.page.value_or(PageRef{}));
        break;
    case FieldKind::Literal:
    case FieldKind::File:
    case FieldKind::Folder:
        break;
    default:
        wanted.info = wanted.info || isInformationKind(alternative.kind);
        break;
    }
}

} // namespace

TemplateNeeds templateNeeds(const QList<Template>& templates) {
    Wanted wanted;
    for (const Template& each : templates) {
        for (const TemplatePart& part : each.parts) {
            for (const Alternative& alternative : part.field.alternatives)
                addAlternative(alternative, wanted);
        }
    }
    TemplateNeeds needs;
    needs.boxPages = wanted.boxes;
    needs.info = wanted.info;
    const bool leading = wanted.leadingWords > 0;
    const bool pages = !wanted.pages.isEmpty();
    if (wanted.whole || (leading && pages)) {
        needs.text = TextExtent::Whole;
    } else if (leading) {
        needs.text = TextExtent::Leading;
        needs.leadingWords = wanted.leadingWords;
    } else if (pages) {
        needs.text = TextExtent::Pages;
        needs.textPages = wanted.pages;
    }
    return needs;
}

} // namespace corvander
