#pragma once

#include <QString>

namespace corvander {
class ResultsFolder;
}

// The last step of both rename families: turn a piece of text into a file name and copy the PDF
// under it into the results folder.

// Keeps every character a name may hold (all but controls, surrogates, private-use, unassigned
// characters and line or paragraph separators), then removes those a file name cannot hold (and
// "%" for the metadata family) and the bidirectional embeddings, overrides and isolates
// (U+202A to U+202E, U+2066 to U+2069). An empty result means the file is skipped.
QString CleanName(const QString& nameText, bool removePercent);

// Copies the PDF into the open results folder as the cleaned name plus ".pdf", taking the first
// free name among name.pdf, name!.pdf, name!!.pdf and so on. False when the name comes out empty
// (nothing is written). A failed copy raises an AppError, so the caller's error report shows it and
// the caller's result stays "skipped".
bool CopyWithCleanName(const QString& sourcePath, const QString& nameText, bool removePercent,
                       const corvander::ResultsFolder& resultsFolder);
