#include "naming/rules/words_around_rule.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 5: read until the search text and n complete words after it are in.
class WordsAfterRule final : public WordsAroundRule {
public:
    RuleId id() const override { return RuleId::WordsAfter; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by n words after x string");
    }
    QString usage() const override { return QStringLiteral("--after TEXT --words N"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "N words after the first TEXT");
    }
    QString leadingOption() const override { return QStringLiteral("--after"); }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        if (arguments.searchText.isEmpty())
            return std::nullopt;
        return ExtractRequest::textUntil(
            path, StopRule::wordsAfter(arguments.searchText, arguments.count));
    }

protected:
    bool after() const override { return true; }
};

} // namespace

const NamingRule& wordsAfterRule() {
    static const WordsAfterRule rule;
    return rule;
}

} // namespace corvander
