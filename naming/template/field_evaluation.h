#pragma once

#include "naming/template/dates.h"
#include "naming/template/prepared_document.h"
#include "naming/template/template_syntax.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>

#include <optional>

namespace corvander {

// A field's value and where it came from, in a few words ("words 3-4 of page 1",
// "after "Invoice No.:" on page 1", "Title from the document information").
struct FieldResult {
    QString value;
    QString source;
};

// Gives fields their values on documents. It keeps the regular expressions it builds, so one
// evaluator serves a whole run (or a learner trying many fields on one document). Not for
// sharing between threads.
class FieldEvaluator {
public:
    // `dates` must outlive the evaluator; `dateOrder` reads the dates of fields that name no
    // order of their own.
    FieldEvaluator(const DateFinder& dates, DateOrder dateOrder)
        : m_dates(dates), m_dateOrder(dateOrder) {}

    // The alternative's value with its modifiers applied; nothing when it has no value.
    std::optional<FieldResult> evaluate(const Alternative& alternative,
                                        const PreparedDocument& document) const;
    // The value of the field's first alternative that has one.
    std::optional<FieldResult> evaluate(const TemplateField& field,
                                        const PreparedDocument& document) const;

private:
    const QRegularExpression& searchFor(const QString& text) const;
    const QRegularExpression& patternFor(const QString& expression) const;

    const DateFinder& m_dates;
    DateOrder m_dateOrder;
    mutable QHash<QString, QRegularExpression> m_searches;
    mutable QHash<QString, QRegularExpression> m_patterns;
};

// The modifiers applied left to right: :upper, :lower, :title (each word's first letter upper
// case, the rest as it is), :max N (at most N characters, then no white space at the end).
QString applyModifiers(const QString& value, const QList<Modifier>& modifiers);

} // namespace corvander
