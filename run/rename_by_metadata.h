#pragma once

#include <QString>

#include "naming/rules/naming_rule.h"

namespace corvander {

struct RenameContext;

// Copies one PDF into the results folder under a name built from its document information and the
// format (placeholders such as "%a - %t"). False when the file is skipped.
bool RenameMeta(const RenameContext& context, const QString& pdfPath, const QString& format);

// Copies one PDF under the name the first fitting template of the run gives it, into the
// template's subfolders of the results folder. False when the file is skipped. Errors are
// reported under the context's template label.
bool RenameByTemplate(const RenameContext& context, const QString& pdfPath,
                      const corvander::RuleArguments& arguments);

} // namespace corvander
