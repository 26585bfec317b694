#include "naming/rules/content_rule.h"
#include "naming/rules/rule_options.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 1: the first x words of page 2.
class PageTwoWordsRule final : public FirstWordsOfRule {
public:
    RuleId id() const override { return RuleId::PageTwoWords; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by the first x word(s) on page 2");
    }
    QString usage() const override { return QStringLiteral("--words X --page 2"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules", "the first X words of page 2");
    }
    bool chosenBy(const std::optional<QString>& page) const override {
        return page && wholeNumberOf(*page) == 2;
    }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments&) const override {
        return ExtractRequest::pageText(path, 2);
    }
};

} // namespace

const NamingRule& pageTwoWordsRule() {
    static const PageTwoWordsRule rule;
    return rule;
}

} // namespace corvander
