#pragma once

#include <QString>
#include <functional>

// Seams that let tests reach the moments a real race or an older file system would create.
namespace safe_copy_testing {

// Runs right after the existence test of a candidate and before the copy is linked under it,
// with the candidate's full path. Empty: nothing runs.
void setBeforeLink(std::function<void(const QString& candidatePath)> hook);

// False makes the copy take the path used where the file system has no unnamed files.
void setUnnamedFilesAllowed(bool allowed);

} // namespace safe_copy_testing
