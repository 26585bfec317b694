#include "copying/copy_with_clean_name.h"

#include "copying/safe_copy.h"
#include "naming/clean_name.h"

namespace corvander {

bool CopyWithCleanName(const QString& sourcePath, const QString& nameText, bool removePercent,
                       const corvander::ResultsFolder& resultsFolder) {
    const QString name = CleanName(nameText, removePercent);
    if (name.isEmpty())
        return false;
    CopyToFreeName(sourcePath, resultsFolder, name);
    return true;
}

} // namespace corvander
