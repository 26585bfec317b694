#include "naming/rules/content_rule.h"
#include "naming/rules/rule_options.h"

#include "common/dialogs.h"
#include <QCoreApplication>

namespace corvander {

namespace {

// Mode 3: the first x words of page y; any --page but "last" and 2 asks for it.
class PageWordsRule final : public ContentRule {
public:
    RuleId id() const override { return RuleId::PageWords; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by the first x word(s) on page y");
    }
    QString usage() const override { return QStringLiteral("--words X --page Y"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules", "the first X words of page Y");
    }
    QString leadingOption() const override { return QStringLiteral("--words"); }
    bool chosenBy(const std::optional<QString>& page) const override {
        return page && *page != QStringLiteral("last") && wholeNumberOf(*page) != 2;
    }
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override {
        if (auto problem = readWordCount(values, answers))
            return problem;
        const QString page = QStringLiteral("--page");
        if (auto problem = wholeNumberProblem(page, values.value(page)))
            return problem;
        answers.second = QString::number(values.value(page).toInt());
        return std::nullopt;
    }
    std::optional<RunParameters> ask(Dialogs& dialogs) const override {
        const std::optional<QString> x =
            askNumber(dialogs, QCoreApplication::translate("corvander::NamingRules", "Enter X"),
                      QCoreApplication::translate("corvander::NamingRules", "Input X"));
        if (!x)
            return std::nullopt;
        const std::optional<QString> y =
            askNumber(dialogs, QCoreApplication::translate("corvander::NamingRules", "Enter Y"),
                      QCoreApplication::translate("corvander::NamingRules", "Input Y"));
        if (!y)
            return std::nullopt;
        RunParameters answers;
        answers.first = *x;
        answers.second = *y;
        return answers;
    }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        return ExtractRequest::pageText(path, arguments.page);
    }
};

} // namespace

const NamingRule& pageWordsRule() {
    static const PageWordsRule rule;
    return rule;
}

} // namespace corvander
