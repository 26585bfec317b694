#pragma once

#include <QString>
#include <QStringList>

// The full path of an installed extractor ("pdftotext", "pdfinfo") found on the search path.
// Raises an AppError naming the program and the package that provides it when it is missing.
QString DeployTool(const QString& programName);

// The text extractor's arguments for one PDF: CR LF line ends (the word rules were written for
// them), the page options if any, then "--" so that a path beginning with "-" is never read as
// an option, the PDF and the output text file.
QStringList textExtractorArguments(const QString& pdfPath, const QString& outputPath,
                                   const QStringList& pageOptions = {});
