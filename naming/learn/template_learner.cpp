#include "naming/learn/template_learner.h"

#include "naming/learn/kind_survey.h"
#include "naming/learn/name_cover.h"
#include "naming/template/template_naming.h"
#include "naming/template/template_parser.h"
#include "naming/template/template_printer.h"

#include <algorithm>
#include <memory>

namespace corvander {

namespace {

// Documents of the kind that the sources are tried on besides the example.
constexpr std::size_t kKinTried = 5;

LearnOutcome failed(const QString& reason) {
    return {std::nullopt, reason};
}

Template templateOf(const QList<QList<NamePiece>>& parts) {
    Template built;
    for (qsizetype index = 0; index < parts.size(); ++index) {
        if (index > 0)
            built.parts << TemplatePart::folderBreak();
        for (const NamePiece& piece : parts.at(index)) {
            if (piece.field)
                built.parts << TemplatePart::ofField(TemplateField{{*piece.field}, {}});
            else
                built.parts << TemplatePart::literal(piece.literal);
        }
    }
    return built;
}

// The words of the values the fields give on the example: they change from document to
// document, so they mark no kind.
QSet<QString> valueWordsOf(const Template& built, const PreparedDocument& document,
                           const FieldEvaluator& evaluator) {
    QSet<QString> words;
    for (const FieldValue& field : nameByTemplate(built, document, evaluator).fields) {
        for (const QStringView word : wordRuns(foldedForm(field.value, Folding::Name)))
            words.insert(word.toString());
    }
    return words;
}

// The words the name writes as literal text: often the sender's own name.
QSet<QString> literalWordsOf(const QList<QList<NamePiece>>& parts) {
    QSet<QString> words;
    for (const QList<NamePiece>& part : parts) {
        for (const NamePiece& piece : part) {
            if (piece.field)
                continue;
            for (const QStringView word : wordRuns(foldedForm(piece.literal, Folding::Name)))
                words.insert(word.toString());
        }
    }
    return words;
}

} // namespace

QString learningTarget(const QString& wantedName) {
    QString name = wantedName;
    if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name.chop(4);
    QStringList folders = name.split(QLatin1Char('/'));
    const QString last = folders.takeLast();
    return relativeNameOf(folders, last);
}

TemplateNeeds learningNeeds() {
    TemplateNeeds needs;
    needs.text = TextExtent::Whole;
    needs.boxPages.add(PageRef{1, false});
    needs.info = true;
    return needs;
}

TemplateLearner::TemplateLearner(DateOrder runOrder, const QStringList& dateLanguages)
    : m_runOrder(runOrder), m_dates(dateLanguages) {}

bool TemplateLearner::names(const Template& parsed, const TemplateDocument& document,
                            const QString& wanted) const {
    const FieldEvaluator evaluator(m_dates, m_runOrder);
    const TemplateOutcome outcome =
        nameByTemplates({parsed}, PreparedDocument(document), evaluator);
    return outcome.skipReason.isEmpty() && outcome.relativeName == wanted;
}

LearnOutcome TemplateLearner::learn(const TemplateDocument& example, const QString& wantedName,
                                    const QList<const TemplateDocument*>& others) const {
    const QString target = learningTarget(wantedName);
    if (target.isEmpty())
        return failed(QStringLiteral("the name is empty"));
    if (!example.text || example.text->trimmed().isEmpty())
        return failed(QStringLiteral("the document has no text to learn from"));

    const PreparedDocument prepared(example);
    const FieldEvaluator evaluator(m_dates, m_runOrder);
    const LearningIndex index(prepared, m_dates);
    const KindSurvey survey(example, others);
    std::vector<std::unique_ptr<PreparedDocument>> kinDocuments;
    std::vector<const PreparedDocument*> kin;
    for (const TemplateDocument* document : survey.kin()) {
        if (kin.size() == kKinTried)
            break;
        kinDocuments.push_back(std::make_unique<PreparedDocument>(*document));
        kin.push_back(kinDocuments.back().get());
    }
    const SourceFinder finder(index, evaluator, m_runOrder, kin);
    const NameCover cover =
        coverName(target.split(QLatin1Char('/')), index, finder, m_dates, m_runOrder,
                  [&survey](const QString& folded) { return survey.kinHold(folded); });
    if (!cover.failure.isEmpty())
        return failed(cover.failure);

    Template built = templateOf(cover.parts);
    const std::optional<QString> marker = survey.markerText(
        index, valueWordsOf(built, prepared, evaluator), literalWordsOf(cover.parts));
    if (!marker)
        return failed(QStringLiteral(
            "no text of the document tells its kind apart from the other documents"));
    Alternative condition;
    condition.kind = FieldKind::If;
    condition.text = *marker;
    built.parts.prepend(TemplatePart::ofField(TemplateField{{condition}, {}}));

    // The template as the user will see it, read back as the naming will read it.
    const QString text = printTemplate(built);
    const TemplateParse parse = parseTemplate(text);
    if (!parse.ok())
        return failed(QStringLiteral("the learned template %1 does not read back: %2")
                          .arg(text, parse.error->message));
    if (!names(parse.parsed, example, target))
        return failed(QStringLiteral("no template found gives exactly \"%1\"").arg(target));
    return {LearnedTemplate{parse.parsed, text}, {}};
}

QList<LearnOutcome> TemplateLearner::learnAll(const QList<LearnExample>& examples,
                                              const QList<const TemplateDocument*>& others) const {
    QList<LearnOutcome> outcomes;
    for (qsizetype index = 0; index < examples.size(); ++index) {
        QList<const TemplateDocument*> seen;
        for (qsizetype other = 0; other < examples.size(); ++other) {
            if (other != index)
                seen << &examples.at(other).document;
        }
        seen += others;
        outcomes << learn(examples.at(index).document, examples.at(index).wantedName, seen);
    }
    // An example takes the template of an earlier one that gives its name too, so that a kind
    // has one template; one that could not be learned takes any that gives its name.
    QList<LearnOutcome> merged = outcomes;
    for (qsizetype index = 0; index < examples.size(); ++index) {
        const QString target = learningTarget(examples.at(index).wantedName);
        for (qsizetype other = 0; other < examples.size(); ++other) {
            if (other == index || (other > index && outcomes.at(index).learned))
                continue;
            const std::optional<LearnedTemplate>& learned = outcomes.at(other).learned;
            if (learned && names(learned->parsed, examples.at(index).document, target)) {
                merged[index] = outcomes.at(other);
                break;
            }
        }
    }
    return merged;
}

LearnedTemplates
TemplateLearner::learnTemplates(const QList<LearnExample>& examples,
                                const QList<const TemplateDocument*>& others) const {
    LearnedTemplates learned;
    learned.outcomes = learnAll(examples, others);
    for (const LearnOutcome& outcome : std::as_const(learned.outcomes)) {
        if (!outcome.learned || learned.lines.contains(outcome.learned->text))
            continue;
        learned.templates << outcome.learned->parsed;
        learned.lines << outcome.learned->text;
    }
    return learned;
}

bool LearnedTemplates::allLearned() const {
    return std::all_of(outcomes.cbegin(), outcomes.cend(),
                       [](const LearnOutcome& outcome) { return outcome.learned.has_value(); });
}

} // namespace corvander
