#include "naming/rules/words_around_rule.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 6: read until the search text is found; the words before it may lie on earlier pages.
class WordsBeforeRule final : public WordsAroundRule {
public:
    RuleId id() const override { return RuleId::WordsBefore; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by n words before x string");
    }
    QString usage() const override { return QStringLiteral("--before TEXT --words N"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "N words before the first TEXT");
    }
    QString leadingOption() const override { return QStringLiteral("--before"); }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        if (arguments.searchText.isEmpty())
            return std::nullopt;
        return ExtractRequest::textUntil(
            path, StopRule::wordsBefore(arguments.searchText, arguments.count));
    }

protected:
    bool after() const override { return false; }
    // The text handed back may begin after the document's first words.
    bool numbersFromTextStart() const override { return true; }
};

} // namespace

const NamingRule& wordsBeforeRule() {
    static const WordsBeforeRule rule;
    return rule;
}

} // namespace corvander
