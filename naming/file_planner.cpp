#include "naming/file_planner.h"

#include "naming/rules/naming_rules.h"

namespace corvander {

std::optional<ExtractRequest> requestFor(const NamingRule* rule, const QString& path,
                                         const RuleArguments& arguments) {
    if (!rule)
        return std::nullopt;
    return rule->request(path, arguments);
}

PlannedFile planFor(const NamingRule* rule, const QString& path, const RuleArguments& arguments,
                    const std::optional<ExtractResult>& extracted) {
    if (rule)
        return rule->plan(path, arguments, extracted);
    PlannedFile planned;
    planned.source = path;
    planned.skip = SkipReason::NoMode;
    return planned;
}

PlannedFile planByContent(int mode, const QString& path, int count, int page,
                          const QString& wordList, const QString& searchText,
                          const std::optional<ExtractResult>& extracted) {
    PlannedFile planned = planFor(contentRuleAt(mode), path,
                                  contentArguments(count, page, wordList, searchText), extracted);
    planned.provenance.mode = mode;
    return planned;
}

PlannedFile planByMetadata(const QString& format, const QString& path,
                           const std::optional<ExtractResult>& extracted) {
    return planFor(
        &namingRule(RuleId::Metadata), path,
        [&] {
            RuleArguments arguments;
            arguments.format = format;
            return arguments;
        }(),
        extracted);
}

} // namespace corvander
