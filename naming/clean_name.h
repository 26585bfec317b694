#pragma once

#include <QString>

namespace corvander {

// The last step of both rename families before the copy: turn a piece of text into a file name.

// Keeps every character a name may hold (all but controls, surrogates, private-use, unassigned
// characters and line or paragraph separators), then removes those a file name cannot hold (and
// "%" for the metadata family) and the bidirectional embeddings, overrides and isolates
// (U+202A to U+202E, U+2066 to U+2069). An empty result means the file is skipped.
QString CleanName(const QString& nameText, bool removePercent);

} // namespace corvander
