#include "naming/rules/content_rule.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 2: the first x words of the last page, found from the page count.
class LastPageWordsRule final : public FirstWordsOfRule {
public:
    RuleId id() const override { return RuleId::LastPageWords; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by the first x word(s) on last page");
    }
    QString usage() const override { return QStringLiteral("--words X --page last"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "the first X words of the last page");
    }
    bool chosenBy(const std::optional<QString>& page) const override {
        return page == QStringLiteral("last");
    }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments&) const override {
        // A document without pages gives no text.
        return ExtractRequest::lastPageText(path);
    }
};

} // namespace

const NamingRule& lastPageWordsRule() {
    static const LastPageWordsRule rule;
    return rule;
}

} // namespace corvander
