#include "common/error_report.h"
#include "common/window_port.h"
#include "copying/name_reservations.h"
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "run/finish_as_read.h"
#include "run/rename_context.h"

#include <QFileInfo>
#include <optional>

namespace corvander {

bool finishFile(const RenameContext& context, const corvander::PlannedFile& plan) {
    FileOutcome outcome{plan, {}, {}, {}};
    const auto tell = [&] {
        if (context.finished)
            context.finished(outcome);
    };
    if (!plan.copies()) {
        tell();
        return false;
    }
    std::optional<corvander::ResultsFolder> ownFolder;
    const corvander::ResultsFolder& folder = context.resultsFolder
                                                 ? *context.resultsFolder
                                                 : ownFolder.emplace(context.resultsFolderPath);
    if (context.preview) {
        outcome.fileName = context.preview->reserve(folder, plan.name);
        tell();
        return true;
    }
    try {
        // A template's folders are made below the results folder, never through a link.
        const qsizetype slash = plan.name.lastIndexOf(QLatin1Char('/'));
        if (slash < 0) {
            outcome.fileName =
                QFileInfo(CopyToFreeName(plan.source, folder, plan.name, plan.readIdentity))
                    .fileName();
        } else {
            const QString folders = plan.name.left(slash);
            const corvander::ResultsFolder below = folder.subfolder(folders);
            outcome.fileName =
                folders + QLatin1Char('/') +
                QFileInfo(
                    CopyToFreeName(plan.source, below, plan.name.mid(slash + 1), plan.readIdentity))
                    .fileName();
        }
    } catch (const AppError& error) {
        outcome.copyFailure = error.description();
        tell();
        throw;
    }
    tell();
    return true;
}

QString keptChangingText() {
    return QStringLiteral("the source kept changing while it was read");
}

bool finishAsRead(const RenameContext& context, corvander::PlannedFile plan,
                  const std::function<corvander::PlannedFile()>& readAgain) {
    for (int reading = 1;; ++reading) {
        try {
            return finishFile(context, plan);
        } catch (const SourceChanged&) {
            // The copy was not made: nothing was told yet about this file.
        }
        if (reading == kMostReadings)
            break;
        plan = readAgain();
    }
    if (context.finished)
        context.finished(FileOutcome{plan, {}, keptChangingText(), {}});
    return false;
}

QString FileOutcome::skipText() const {
    if (!copiedBefore.isEmpty())
        return QStringLiteral("already copied as ") + copiedBefore;
    return plan.skipText();
}

} // namespace corvander
