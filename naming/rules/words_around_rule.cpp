#include "naming/rules/words_around_rule.h"

#include "common/dialogs.h"
#include "common/path_helpers.h"
#include "naming/rules/rule_options.h"
#include <QCoreApplication>

namespace corvander {

std::optional<QString> WordsAroundRule::readOptions(const OptionValues& values,
                                                    RunParameters& answers) const {
    if (!values.contains(QStringLiteral("--words")))
        return QStringLiteral("%1 needs --words N").arg(leadingOption());
    answers.searchText = values.value(leadingOption());
    return readWordCount(values, answers);
}

std::optional<RunParameters> WordsAroundRule::ask(Dialogs& dialogs) const {
    const std::optional<QString> searchText = dialogs.askText(
        QCoreApplication::translate("corvander::NamingRules", "Enter string to search for:"),
        QCoreApplication::translate("corvander::NamingRules", "Input X"),
        QCoreApplication::translate("corvander::NamingRules", "String"));
    if (!searchText)
        return std::nullopt;
    const std::optional<QString> count = askNumber(
        dialogs,
        QCoreApplication::translate("corvander::NamingRules", "Enter number of words to get:"),
        QCoreApplication::translate("corvander::NamingRules", "Input N"));
    if (!count)
        return std::nullopt;
    RunParameters answers;
    answers.searchText = *searchText;
    answers.first = *count;
    return answers;
}

FileArguments WordsAroundRule::argumentsFor(const RunParameters& answers) const {
    return {answers.first, QStringLiteral("0"), QString(), answers.searchText};
}

WordPick WordsAroundRule::pick(const QString& text, const RuleArguments& arguments,
                               const QString& path) const {
    return aroundSearchPick(text, arguments.count, arguments.searchText, after(),
                            StripExtension(FileNameOf(path)));
}

} // namespace corvander
