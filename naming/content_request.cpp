#include "naming/content_request.h"

#include "naming/file_planner.h"
#include "naming/rules/naming_rules.h"

namespace corvander {

std::optional<corvander::ExtractRequest> contentRequest(int mode, const QString& path, int count,
                                                        int page, const QString& wordList,
                                                        const QString& searchText) {
    return corvander::requestFor(corvander::contentRuleAt(mode), path,
                                 corvander::contentArguments(count, page, wordList, searchText));
}

} // namespace corvander
