#pragma once

#include "naming/rules/naming_rule.h"

#include <QList>
#include <QStringList>

namespace corvander {

// A choice of naming as the command line gives it, and how it ends for each shipped sample in
// file-name order (document, report_final_v2, scan0001, untitled): the name without ".pdf", or
// "skipped: " and the reason. The outcomes are those of `corvander rename ... --dry-run` with the
// real worker.
struct RecordedCase {
    OptionValues options;
    QStringList outcomes;
};

QList<RecordedCase> recordedCases();

// The rule the options choose, with the answers they give; nothing when they choose none.
const NamingRule* ruleChosenBy(const OptionValues& options, RunParameters& parameters);

} // namespace corvander
