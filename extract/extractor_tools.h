#pragma once

#include <QString>

// The full path of an installed extractor ("pdftotext", "pdfinfo") found on the search path.
// Raises an AppError naming the program and the package that provides it when it is missing.
QString DeployTool(const QString& programName);
