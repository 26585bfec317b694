#include "naming/rules/content_rule.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 0: the first x words of the document, read only as far as the x-th word is complete.
class FirstWordsRule final : public FirstWordsOfRule {
public:
    RuleId id() const override { return RuleId::FirstWords; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by the first x word(s)");
    }
    QString usage() const override { return QStringLiteral("--words X"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "the first X words of the document");
    }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        return ExtractRequest::textUntil(path, StopRule::words(arguments.count));
    }
};

} // namespace

const NamingRule& firstWordsRule() {
    static const FirstWordsRule rule;
    return rule;
}

} // namespace corvander
