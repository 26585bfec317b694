#pragma once

#include <QString>

namespace corvander {
class ResultsFolder;

// Copies the PDF into the open results folder as the cleaned name plus ".pdf", taking the first
// free name among name.pdf, name!.pdf, name!!.pdf and so on. False when the name comes out empty
// (nothing is written). A failed copy raises an AppError, so the caller's error report shows it and
// the caller's result stays "skipped".
bool CopyWithCleanName(const QString& sourcePath, const QString& nameText, bool removePercent,
                       const corvander::ResultsFolder& resultsFolder);

} // namespace corvander
