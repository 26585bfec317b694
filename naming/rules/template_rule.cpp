#include "naming/rules/naming_rule.h"

#include "naming/rules/plan_steps.h"
#include "naming/rules/rule_options.h"
#include "naming/template/template_extraction.h"
#include "naming/template/template_naming.h"
#include "naming/template/template_needs.h"
#include "naming/template/template_parser.h"

#include <QCoreApplication>
#include <memory>

namespace corvander {

namespace {

// The templates of a run, read once: a run names thousands of files by the same few lines.
struct ParsedTemplates {
    QStringList lines;
    QString dateOrder;
    std::unique_ptr<TemplateNamer> namer;
    TemplateNeeds needs;
};

// The lines that hold a template: blank lines of the window's box name nothing.
QStringList templateLines(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty())
            kept << line;
    }
    return kept;
}

// The parsed templates for these lines; nothing when one of them is refused. Kept for the next
// file, which nearly always has the same lines.
const ParsedTemplates* parsedTemplates(const QStringList& lines, const QString& dateOrder) {
    thread_local std::unique_ptr<ParsedTemplates> last;
    const QStringList kept = templateLines(lines);
    if (last && last->lines == kept && last->dateOrder == dateOrder)
        return last->namer ? last.get() : nullptr;
    last = std::make_unique<ParsedTemplates>();
    last->lines = kept;
    last->dateOrder = dateOrder;
    QList<Template> templates;
    for (const QString& line : kept) {
        const TemplateParse parse = parseTemplate(line);
        if (!parse.ok())
            return nullptr;
        templates << parse.parsed;
    }
    if (templates.isEmpty())
        return nullptr;
    const DateOrder order = dateOrderFromText(dateOrder).value_or(defaultDateOrder());
    last->namer = std::make_unique<TemplateNamer>(templates, order);
    last->needs = templateNeeds(templates);
    return last.get();
}

// Rename by template: literal text and fields in braces, one or more templates, the first whose
// fields all have a value naming the file, folders included.
class TemplateRule final : public NamingRule {
public:
    RuleId id() const override { return RuleId::Template; }
    Family family() const override { return Family::Template; }
    QString usage() const override { return QStringLiteral("--template TEMPLATE"); }
    QString description() const override {
        return QCoreApplication::translate(
            "corvander::NamingRules",
            "rename by template, e.g. \"{date} {after \\\"No.:\\\" 1}\";\n"
            "repeat it for several templates: the first whose\n"
            "fields all have a value names the file");
    }
    QString leadingOption() const override { return QStringLiteral("--template"); }
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override {
        if (auto problem = withoutWords(values, leadingOption()))
            return problem;
        answers.templates = values.value(leadingOption()).split(QLatin1Char('\n'));
        for (const QString& line : std::as_const(answers.templates)) {
            const TemplateParse parse = parseTemplate(line);
            if (!parse.ok())
                return QStringLiteral("--template: %1").arg(parse.error->message);
        }
        if (templateLines(answers.templates).isEmpty())
            return QStringLiteral("--template: the template is empty");
        return std::nullopt;
    }
    // The templates carry everything: nothing is asked.
    std::optional<RunParameters> ask(Dialogs&) const override { return RunParameters{}; }
    FileArguments argumentsFor(const RunParameters&) const override { return {}; }

    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        const ParsedTemplates* parsed = parsedTemplates(arguments.templates, arguments.dateOrder);
        if (!parsed)
            return std::nullopt;
        const TemplateNeeds& needs = parsed->needs;
        if (!needs.needsText() && !needs.info && needs.boxPages.isEmpty())
            return std::nullopt;
        return templateRequest(path, needs);
    }

    PlannedFile plan(const QString& path, const RuleArguments& arguments,
                     const std::optional<ExtractResult>& extracted) const override {
        PlannedFile planned;
        planned.source = path;
        planned.provenance.byTemplate = true;
        const ParsedTemplates* parsed = parsedTemplates(arguments.templates, arguments.dateOrder);
        if (!parsed) {
            planned.skip = SkipReason::NoTemplateValue;
            planned.skipDetail = QStringLiteral("no template");
            return planned;
        }
        TemplateDocument document;
        document.path = path;
        if (extracted) {
            planned.provenance.request = request(path, arguments).value_or(ExtractRequest());
            planned.readIdentity = readIdentityOf(path, *extracted);
            planned.provenance.pageCount = extracted->pageCount;
            // A file that could not be opened says why, rather than which field has no value.
            if (extracted->outcome != ExtractResult::Outcome::Answered ||
                extracted->needsPassword || (extracted->status != 0 && extracted->status != 99)) {
                planned.skip = failureOf(*extracted);
                return planned;
            }
            document = templateDocument(path, parsed->needs, *extracted);
        }
        const TemplateOutcome outcome = parsed->namer->name(document);
        planned.provenance.templateIndex = outcome.templateIndex;
        planned.provenance.templateFields = outcome.fields;
        if (!outcome.skipReason.isEmpty() || outcome.relativeName.isEmpty()) {
            planned.skip = SkipReason::NoTemplateValue;
            planned.skipDetail =
                outcome.skipReason.isEmpty() ? QStringLiteral("empty name") : outcome.skipReason;
            return planned;
        }
        planned.name = outcome.relativeName;
        return planned;
    }
};

} // namespace

const NamingRule& templateRule() {
    static const TemplateRule rule;
    return rule;
}

} // namespace corvander
