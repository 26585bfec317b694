#pragma once

#include <QString>
#include <QStringList>

namespace corvander {

// The documents the measurements work on. Each writer fills the folder and returns the paths in
// order, or nothing when a file could not be written. The same call always writes the same
// documents, so every run times the same work.

// count PDFs of one to three pages of ordinary text, each with an information dictionary and an
// XML metadata stream.
QStringList makeBenchPdfs(const QString& folder, int count);

// count PDFs of `pages` pages of ordinary text each. A heading, when given, opens the first page,
// "%1" in it standing for the document's number.
QStringList makeLongPdfs(const QString& folder, int count, int pages, const QString& heading = {});

// count one-page PDFs of a few lines each, every one beginning with words of its own so that
// renamed copies never share a name.
QStringList makeSmallPdfs(const QString& folder, int count);

} // namespace corvander
