#include "cli/commands.h"

#include "cli/command_settings.h"
#include "cli/example_learning.h"
#include "cli/exit_status.h"
#include "cli/result_lines.h"
#include "cli/terminal_progress.h"
#include "cli/worker_program.h"
#include <QCoreApplication>

namespace corvander {

int runLearnCommand(const CommandArguments& arguments) {
    const LearnSettings settings = learnSettingsOf(arguments);
    const QString password =
        settings.common.passwordFile ? readPasswordFile(*settings.common.passwordFile) : QString();
    const QString program = workerProgram();
    if (const QString problem = workerProblem(program); !problem.isEmpty()) {
        tellError(nullptr, problem);
        return kExitCannotStart;
    }
    const std::optional<LearnedTemplates> learned =
        learnExamples(settings.examples, settings.common, settings.dateOrder, password, program);
    if (!learned)
        return kExitCannotStart;

    ResultLines lines(settings.common.json, nullptr);
    for (qsizetype index = 0; index < settings.examples.size(); ++index) {
        const QByteArray& file = settings.examples.at(index).file;
        const LearnOutcome& outcome = learned->outcomes.at(index);
        if (outcome.learned)
            lines.success("learned", file, outcome.learned->text, "template");
        else
            lines.shortfall("unlearned", file, outcome.reason);
    }
    if (lines.readerGone())
        return kExitReaderGone;
    if (lines.writeFailed()) {
        tellError(nullptr, QCoreApplication::translate("corvander::CommandLine",
                                                       "the output could not be written"));
        return kExitSomeNotDone;
    }
    return lines.anyShortfall() ? kExitSomeNotDone : kExitAllDone;
}

} // namespace corvander
