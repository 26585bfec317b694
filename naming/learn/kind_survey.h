#pragma once

#include "naming/learn/learning_index.h"
#include "naming/template/template_document.h"

#include <QSet>

#include <optional>
#include <vector>

namespace corvander {

// Tells the other known documents of the example's kind (same sender, same form) from those of
// other kinds, and chooses the text that marks the kind for {if "..."}.
class KindSurvey {
public:
    KindSurvey(const TemplateDocument& example, const QList<const TemplateDocument*>& others);

    // The other documents that look like the example: most lines of their first page are the
    // example's, numbers aside.
    std::vector<const TemplateDocument*> kin() const;
    // Whether a word (folded as names are) is on a document of the kind besides the example;
    // true when no such document is known.
    bool kinHold(const QString& folded) const;

    // A text of the example's first page that marks its kind (a sender's name, a form's
    // title): never one that a document of another kind holds or that every other document
    // holds. Preferred are, in this order: one that the documents of the kind hold too, when
    // any are known; one that holds a word the user typed as literal text in the name
    // (`nameWords`); one that names a firm ("GmbH", "Ltd"); the topmost. Words that hold digits or
    // a value of the name (`valueWords`) have no part in it; both sets hold words folded as names
    // are.
    std::optional<QString> markerText(const LearningIndex& index, const QSet<QString>& valueWords,
                                      const QSet<QString>& nameWords) const;

private:
    struct Other {
        const TemplateDocument* document = nullptr;
        QString searchText; // folded for searching
        QSet<QString> words;
        bool kin = false;
    };

    QList<Other> m_others;
};

} // namespace corvander
