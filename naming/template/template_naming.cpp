#include "naming/template/template_naming.h"

#include "naming/template/name_parts.h"

namespace corvander {

QString relativeNameOf(const QStringList& folderTexts, const QString& nameText) {
    const QString name = cleanNamePart(nameText);
    if (name.isEmpty())
        return {};
    QStringList parts;
    for (const QString& folderText : folderTexts) {
        // Cleaned again after the cut, which may leave a blank at the end.
        const QString folder =
            cleanNamePart(cutToUtf8Bytes(cleanNamePart(folderText), kMaxFolderPartBytes));
        if (!isVoidFolderPart(folder))
            parts << folder;
    }
    parts << name;
    return parts.join(QLatin1Char('/'));
}

namespace {

// `complete` tells whether every field had a value.
TemplateOutcome evaluateTemplate(const Template& parsed, const PreparedDocument& document,
                                 const FieldEvaluator& evaluator, bool& complete) {
    complete = false;
    TemplateOutcome outcome;
    QStringList folders;
    QString current;
    for (const TemplatePart& part : parsed.parts) {
        switch (part.kind) {
        case TemplatePart::Kind::Literal:
            current += part.text;
            break;
        case TemplatePart::Kind::FolderBreak:
            folders << current;
            current.clear();
            break;
        case TemplatePart::Kind::Field: {
            const std::optional<FieldResult> result = evaluator.evaluate(part.field, document);
            if (!result) {
                outcome.skipReason = QStringLiteral("no value for ") + fieldText(part.field);
                return outcome;
            }
            outcome.fields.append({fieldText(part.field), result->value, result->source});
            current += result->value;
            break;
        }
        }
    }
    complete = true;
    outcome.relativeName = relativeNameOf(folders, current);
    if (outcome.relativeName.isEmpty())
        outcome.skipReason = QStringLiteral("empty name");
    return outcome;
}

} // namespace

TemplateOutcome nameByTemplate(const Template& parsed, const PreparedDocument& document,
                               const FieldEvaluator& evaluator) {
    bool complete = false;
    return evaluateTemplate(parsed, document, evaluator, complete);
}

TemplateOutcome nameByTemplates(const QList<Template>& templates, const PreparedDocument& document,
                                const FieldEvaluator& evaluator) {
    // No template at all names nothing.
    TemplateOutcome first;
    first.skipReason = QStringLiteral("empty name");
    for (qsizetype index = 0; index < templates.size(); ++index) {
        bool complete = false;
        TemplateOutcome outcome =
            evaluateTemplate(templates.at(index), document, evaluator, complete);
        outcome.templateIndex = int(index);
        // A template whose fields all have values decides, even when its name comes out empty.
        if (complete)
            return outcome;
        if (index == 0)
            first = outcome;
    }
    return first;
}

TemplateNamer::TemplateNamer(const QList<Template>& templates, DateOrder dateOrder,
                             const QStringList& dateLanguages)
    : m_templates(templates), m_dates(dateLanguages), m_evaluator(m_dates, dateOrder) {}

TemplateOutcome TemplateNamer::name(const TemplateDocument& document) const {
    const PreparedDocument prepared(document);
    return nameByTemplates(m_templates, prepared, m_evaluator);
}

} // namespace corvander
