#include "run/run_plan.h"

namespace corvander {

const PlanRow* RunPlan::unchangedRow(int position, const QString& path) const {
    if (position < 1 || position > rows.size())
        return nullptr;
    const PlanRow& row = rows.at(position - 1);
    if (row.source != path || !row.identity || row.identity != identityOfFile(path))
        return nullptr;
    return &row;
}

} // namespace corvander
