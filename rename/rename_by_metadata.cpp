#include "rename/rename_by_metadata.h"

#include "rename/rename_context.h"

bool RenameMeta(const RenameContext&, const QString&, const QString&) {
    return false;
}
