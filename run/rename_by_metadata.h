#pragma once

#include <QString>

struct RenameContext;

// Copies one PDF into the results folder under a name built from its document information and the
// format (placeholders such as "%a - %t"). False when the file is skipped.
bool RenameMeta(const RenameContext& context, const QString& pdfPath, const QString& format);
