#pragma once

#include "naming/template/dates.h"
#include "naming/template/field_evaluation.h"
#include "naming/template/template_document.h"
#include "naming/template/template_syntax.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvander {

struct FieldValue {
    QString field;  // the field as written in the template, braces included: "{after "No.:" 1}"
    QString value;  // its value ("" for an empty value)
    QString source; // where it came from, in a few words: "words 3-4 of page 1",
                    // "after "Invoice No.:" on page 1", "Title from the document information",
                    // "the file's own name"
};

struct TemplateOutcome {
    // The name relative to the results folder, folder parts separated by "/", each part cleaned,
    // without ".pdf" and without any "!" marks; empty when the file is skipped.
    QString relativeName;
    // Why the file is skipped: "no value for {FIELD}" or "empty name"; empty when named.
    QString skipReason;
    int templateIndex = -1;   // 0-based index of the template that named it (or whose reason)
    QList<FieldValue> fields; // of that template
};

// The longest a folder part may be, in UTF-8 bytes; the name itself is cut to fit with its "!"
// marks and ".pdf" when it is copied.
inline constexpr int kMaxFolderPartBytes = 255;

// One template on one document: each field's value (up to the first field without one), and the
// name they make.
TemplateOutcome nameByTemplate(const Template& parsed, const PreparedDocument& document,
                               const FieldEvaluator& evaluator);

// The first template all of whose fields have a value names the file; when none has, the file is
// skipped with the first template's reason.
TemplateOutcome nameByTemplates(const QList<Template>& templates, const PreparedDocument& document,
                                const FieldEvaluator& evaluator);

// The relative name from the texts of the folder parts and of the name, values filled in: each
// cleaned on its own, folder parts that come out empty (or as "." or "..") left out, folder parts
// cut to kMaxFolderPartBytes. Empty when the name comes out empty.
QString relativeNameOf(const QStringList& folderTexts, const QString& nameText);

// Names the files of a run by its templates. Like its evaluator, not for sharing between
// threads.
class TemplateNamer {
public:
    // `dateLanguages` adds month names (locale names or OCR language codes) to the date finder's.
    TemplateNamer(const QList<Template>& templates, DateOrder dateOrder,
                  const QStringList& dateLanguages = {});
    TemplateNamer(const TemplateNamer&) = delete;
    TemplateNamer& operator=(const TemplateNamer&) = delete;

    TemplateOutcome name(const TemplateDocument& document) const;

    const QList<Template>& templates() const { return m_templates; }
    const FieldEvaluator& evaluator() const { return m_evaluator; }

private:
    QList<Template> m_templates;
    DateFinder m_dates;
    FieldEvaluator m_evaluator;
};

} // namespace corvander
