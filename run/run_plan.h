#pragma once

#include "extract/file_identity.h"
#include "naming/rules/naming_rule.h"
#include "run/rename_context.h"

#include <QList>
#include <optional>

namespace corvander {

// One file of a preview: how it would end, and the state of its source when it was read (when it
// was planned, for a file that needed no reading).
struct PlanRow {
    QString source;
    std::optional<FileIdentity> identity;
    FileOutcome outcome;
};

// What a preview worked out, for the run that carries it out: the answers given to its prompts,
// and each file's plan by list position.
struct RunPlan {
    RunParameters parameters;
    QString password;
    QList<PlanRow> rows;

    // The plan of the file at this position (1-based) when it is still that file, unchanged
    // since (same size, time and inode); nothing when it has to be planned again.
    const PlanRow* unchangedRow(int position, const QString& path) const;
};

} // namespace corvander
