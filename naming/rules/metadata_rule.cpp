#include "naming/rules/naming_rule.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "extract/metadata.h"
#include "naming/metadata_name.h"
#include "naming/rules/plan_steps.h"
#include "naming/rules/rule_options.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// The placeholders of the format, in the order composeMetadataName asked for them.
void namePlaceholders(const QString& format, QList<FieldSource>& fields) {
    qsizetype next = 0;
    for (const QString& part : format.split(QLatin1Char('-'))) {
        const QString token = trimBlanks(part);
        if (metadataLabel(token).isEmpty())
            continue;
        if (next < fields.size())
            fields[next++].placeholder = token;
    }
}

// Rename by metadata: fields of the document information joined by " - "; a blank format keeps
// the file's own name and needs no extraction at all.
class MetadataRule final : public NamingRule {
public:
    RuleId id() const override { return RuleId::Metadata; }
    Family family() const override { return Family::Metadata; }
    QString usage() const override { return QStringLiteral("--format FORMAT"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "rename by metadata, e.g. \"%a - %t\" (%a author, %t\n"
                                           "title, %s subject, %c creator, %p producer,\n"
                                           "%k keywords, %d created, %m modified, %v PDF version,\n"
                                           "%g pages); an empty FORMAT keeps the file's own name");
    }
    QString leadingOption() const override { return QStringLiteral("--format"); }
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override {
        if (auto problem = withoutWords(values, leadingOption()))
            return problem;
        answers.format = values.value(leadingOption());
        return std::nullopt;
    }
    // The format is read from its box at each file's turn; nothing is asked.
    std::optional<RunParameters> ask(Dialogs&) const override { return RunParameters{}; }
    FileArguments argumentsFor(const RunParameters&) const override { return {}; }

    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        if (trimBlanks(arguments.format).isEmpty())
            return std::nullopt;
        return ExtractRequest::information(path);
    }

    PlannedFile plan(const QString& path, const RuleArguments& arguments,
                     const std::optional<ExtractResult>& extracted) const override {
        PlannedFile planned;
        planned.source = path;
        planned.provenance.metadata = true;
        if (!extracted) {
            planned.provenance.ownName = true;
            nameFrom(planned, StripExtension(FileNameOf(path)), true);
            return planned;
        }
        planned.readIdentity = readIdentityOf(path, *extracted);
        const QStringList lines = documentInfoLines(*extracted);
        const qsizetype xmlFrom = lines.indexOf(QStringLiteral("Metadata:"));
        QList<FieldSource>& fields = planned.provenance.fields;
        const QString name = composeMetadataName(arguments.format, [&](const QString& label) {
            const QString key = label + QLatin1Char(':');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (!lines.at(i).contains(key, Qt::CaseInsensitive))
                    continue;
                fields.append({{}, label, xmlFrom >= 0 && i > xmlFrom, true});
                return LookupInfoField(lines, label);
            }
            fields.append({{}, label, false, false});
            return QString();
        });
        namePlaceholders(arguments.format, fields);
        // A document that could not be read has no fields at all; say why, not "empty name".
        if (name.isEmpty() && !extracted->hasText()) {
            planned.skip = failureOf(*extracted);
            return planned;
        }
        nameFrom(planned, name, true);
        return planned;
    }
};

} // namespace

const NamingRule& metadataRule() {
    static const MetadataRule rule;
    return rule;
}

} // namespace corvander
