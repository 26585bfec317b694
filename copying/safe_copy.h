#pragma once

#include "extract/file_identity.h"

#include <QString>
#include <exception>
#include <optional>

namespace corvander {
class ResultsFolder;

// The source no longer is the file whose text named it (replaced, rewritten or touched since).
class SourceChanged : public std::exception {};

// Copies sourcePath into the open results folder as name + suffix + ".pdf", where the suffix is
// the shortest run of "!" that gives a name nothing stands at (a file, a folder, a link, a dangling
// link, a pipe). The name is taken exclusively, so an existing file is never replaced, a link is
// never written through, also when another program takes a name at the same moment. Where the
// file system allows it, the copy only gets its final name once it is complete; where it allows
// none of the ways to do that (FAT and exFAT, some network mounts) the final name is written
// directly and removed again when the copy fails. The copy is not flushed to the disk: the run
// flushes its folder once at its end. Returns the path written (the folder's path as the run was
// given it); raises an AppError naming the path and the reason when the copy cannot be made.
// Nothing is left behind on failure. With `expected`, the source opened must still be in that
// state (device, inode, size and modification time), else SourceChanged is thrown before
// anything is created.
QString CopyToFreeName(const QString& sourcePath, const corvander::ResultsFolder& folder,
                       const QString& name,
                       const std::optional<corvander::FileIdentity>& expected = std::nullopt);

} // namespace corvander
