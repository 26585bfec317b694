#pragma once

#include <QString>

namespace corvander {

// The column beside the listed paths where a preview shows each file's planned name.
class PlannedNamesView {
public:
    virtual ~PlannedNamesView() = default;
    // Shows the column, when it does not show yet, and the planned name (or why the file is
    // skipped) of the entry at the 1-based position, with where the name came from as its tip.
    virtual void showPlannedName(int position, const QString& name, const QString& toolTip) = 0;
    // Takes the column away; the paths get back the width they had before it came.
    virtual void hidePlannedNames() = 0;
};

} // namespace corvander
