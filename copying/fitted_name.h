#pragma once

#include <QString>

namespace corvander {

// The longest file name, in UTF-8 bytes, of the file systems a results folder lives on.
inline constexpr int kMaxFileNameBytes = 255;

// A copy's file name: the name, `marks` "!" and ".pdf", the name cut between two characters so
// that the whole takes at most kMaxFileNameBytes bytes. A long title then still gets its copy
// rather than a failure for a name too long.
QString fittedFileName(const QString& name, int marks);

} // namespace corvander
