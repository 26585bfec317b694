#pragma once

#include "copying/copy_ways.h"

#include <QString>
#include <functional>
#include <optional>

// Seams that let tests reach the moments a real race, a kill or another file system would create.
namespace safe_copy_testing {

// Runs right after the existence test of a candidate and before the copy is put under it (or, in
// the exclusive way, before the candidate is created), with the candidate's full path.
void setBeforePlacing(std::function<void(const QString& candidatePath)> hook);

// Runs once the first part of the copy's content is written.
void setDuringCopy(std::function<void()> hook);

// Asked each time a way is about to put a copy under a name; a non-zero answer is taken as the
// error the file system gave for it.
void setForcedError(std::function<int(CopyWay way)> errorFor);

// Forgets which way each results folder takes.
void forgetFolders();
// The way remembered for a results folder, if a copy into it has been made.
std::optional<CopyWay> rememberedWay(const QString& folder);

} // namespace safe_copy_testing
