#pragma once

#include "naming/template/dates.h"
#include "naming/template/template_document.h"
#include "naming/template/template_needs.h"
#include "naming/template/template_syntax.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvander {

// A template learned from an example: it gives exactly the example's name from the example.
struct LearnedTemplate {
    Template parsed;
    QString text; // printTemplate(parsed)
};

struct LearnOutcome {
    std::optional<LearnedTemplate> learned;
    QString reason; // why nothing was learned: "the part "AF-7731" is not in the document"
};

// A document the user named by hand, as extracted for learning (learningNeeds), and the name.
struct LearnExample {
    TemplateDocument document;
    QString wantedName;
};

// What learning several examples gives: each example's outcome, in the order of the examples,
// and the templates that name them, one per kind (examples that share a template give it once),
// in the order of the examples that first gave them. The command line's `learn` prints the
// outcomes, `rename --like` and the window's template box take the lines.
struct LearnedTemplates {
    QList<LearnOutcome> outcomes;
    QList<Template> templates;
    QStringList lines; // the templates as text, one line each

    bool allLearned() const;
};

// Learns name templates from documents the user named by hand: where each part of the name
// comes from in the document, and the text that tells the document's kind apart, so that the
// other documents of that kind are named the same way and documents of other kinds are skipped.
class TemplateLearner {
public:
    // `runOrder` reads the dates whose day and month could be swapped when the example does not
    // show their order; `dateLanguages` adds month names as for the template naming.
    explicit TemplateLearner(DateOrder runOrder, const QStringList& dateLanguages = {});

    // `wantedName` as the user typed it: a trailing ".pdf" is dropped, a "/" asks for
    // subfolders. `others`: documents of other examples or other listed files, when known, to
    // tell what the documents of one kind share from what every document holds.
    LearnOutcome learn(const TemplateDocument& example, const QString& wantedName,
                       const QList<const TemplateDocument*>& others = {}) const;

    // Each example in turn, seeing the other examples' documents and `others`; one outcome per
    // example, in order. Examples of one kind share one template when it gives all their names.
    QList<LearnOutcome> learnAll(const QList<LearnExample>& examples,
                                 const QList<const TemplateDocument*>& others = {}) const;

    // learnAll, with the templates gathered one per kind.
    LearnedTemplates learnTemplates(const QList<LearnExample>& examples,
                                    const QList<const TemplateDocument*>& others = {}) const;

private:
    bool names(const Template& parsed, const TemplateDocument& document,
               const QString& wanted) const;

    DateOrder m_runOrder;
    DateFinder m_dates;
};

// The name a template must give for `wantedName`: a trailing ".pdf" dropped, each folder part
// and the name cleaned as the template naming cleans them. Empty when nothing of it is left.
QString learningTarget(const QString& wantedName);

// What the extraction for learning brings: the whole text, the word boxes of the first page and
// the document information.
TemplateNeeds learningNeeds();

} // namespace corvander
