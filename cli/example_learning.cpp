#include "cli/example_learning.h"

#include "cli/command_ocr.h"
#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include "common/event_loop_waiter.h"
#include "common/stop_signals.h"
#include "extract/extraction_pool.h"
#include "naming/learn/example_files.h"
#include "naming/template/dates.h"

#include <cstdlib>

namespace corvander {

std::optional<LearnedTemplates> learnExamples(const QList<NamedExample>& examples,
                                              const CommonSettings& common,
                                              const QString& dateOrder, const QString& password,
                                              const QString& program) {
    ExtractionPool pool(poolSettingsFor(common, program));
    EventLoopWaiter waiter;
    const StopSignals stop([&pool](int signal) {
        pool.shutdown();
        std::_Exit(128 + signal);
    });
    setCommandOcr(common, pool, waiter);
    QList<ExampleFile> files;
    for (const NamedExample& example : examples)
        files.append({example.path, example.name});
    // The order the naming will read ambiguous dates in, unless an example shows its own.
    const TemplateLearner learner(dateOrderFromText(dateOrder).value_or(defaultDateOrder()));
    LearnedTemplates learned = learnFromFiles(learner, files, pool, waiter, password);
    if (pool.cannotStart()) {
        tellError(nullptr, pool.takeStartFailure());
        return std::nullopt;
    }
    pool.shutdown();
    return learned;
}

} // namespace corvander
