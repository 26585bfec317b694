#include "naming/learn/example_files.h"

#include "common/waiter.h"
#include "extract/extraction_pool.h"
#include "naming/rules/plan_steps.h"
#include "naming/template/template_extraction.h"

#include <algorithm>

namespace corvander {

namespace {

// An answer that brought no text to learn from, for a reason of the file's own.
bool unread(const ExtractResult& result) {
    return result.outcome != ExtractResult::Outcome::Answered || result.needsPassword ||
           result.status != 0;
}

} // namespace

LearnedTemplates learnFromFiles(const TemplateLearner& learner, const QList<ExampleFile>& examples,
                                ExtractionPool& pool, Waiter& waiter, const QString& password) {
    const TemplateNeeds needs = learningNeeds();
    QList<ExtractionPool::Ticket> tickets;
    for (const ExampleFile& example : examples) {
        ExtractRequest request = templateRequest(example.path, needs);
        request.password = password;
        tickets << pool.submit(request);
    }
    waiter.waitUntil(
        [&] {
            return std::all_of(
                tickets.cbegin(), tickets.cend(),
                [&](ExtractionPool::Ticket ticket) { return pool.isFinished(ticket); });
        },
        [] {});

    // The examples that were read are learned together; the others keep their reason, in place.
    QList<LearnExample> read;
    QList<std::optional<QString>> failures;
    for (qsizetype index = 0; index < examples.size(); ++index) {
        const ExampleFile& example = examples.at(index);
        const ExtractResult result = pool.take(tickets.at(index));
        if (unread(result)) {
            failures << skipReasonText(failureOf(result));
            continue;
        }
        failures << std::nullopt;
        read.append({templateDocument(example.path, needs, result), example.wantedName});
    }
    LearnedTemplates learned;
    if (pool.cannotStart())
        return learned;
    const LearnedTemplates fromRead = learner.learnTemplates(read);
    learned.templates = fromRead.templates;
    learned.lines = fromRead.lines;
    qsizetype next = 0;
    for (const std::optional<QString>& failure : std::as_const(failures))
        learned.outcomes << (failure ? LearnOutcome{std::nullopt, *failure}
                                     : fromRead.outcomes.at(next++));
    return learned;
}

} // namespace corvander
