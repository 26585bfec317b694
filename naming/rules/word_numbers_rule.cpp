#include "naming/rules/content_rule.h"
#include "naming/rules/rule_options.h"

#include "common/dialogs.h"
#include "common/vb_convert.h"
#include "naming/content_words.h"

#include <QCoreApplication>
#include <algorithm>

namespace corvander {

namespace {

bool isNumberList(const QString& answer) {
    if (answer.isEmpty())
        return false;
    const QStringList entries = answer.split(QLatin1Char(','));
    return std::all_of(entries.begin(), entries.end(), isNumeric);
}

// Mode 4: the listed word numbers of page 1. The first listed number is also the count, which is
// how the words between the first and the last listed number are chosen.
class WordNumbersRule final : public ContentRule {
public:
    RuleId id() const override { return RuleId::WordNumbers; }
    QString label() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "Rename by x1, x2, x3 word(s) on first page");
    }
    QString usage() const override { return QStringLiteral("--word-numbers LIST"); }
    QString description() const override {
        return QCoreApplication::translate("corvander::NamingRules",
                                           "those words of page 1, e.g. 10,11");
    }
    QString leadingOption() const override { return QStringLiteral("--word-numbers"); }
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override {
        const QString option = leadingOption();
        if (auto problem = withoutWords(values, option))
            return problem;
        const QString value = values.value(option);
        const QStringList entries = value.split(QLatin1Char(','));
        for (const QString& entry : entries) {
            if (entry.isEmpty())
                return QStringLiteral(
                           "--word-numbers: \"%1\" is not a list of whole numbers such as 10,11")
                    .arg(value);
            if (auto problem = wholeNumberProblem(option, entry))
                return problem;
        }
        answers.wordList = value;
        answers.first = entries.first();
        return std::nullopt;
    }
    std::optional<RunParameters> ask(Dialogs& dialogs) const override {
        for (;;) {
            const std::optional<QString> answer = dialogs.askText(
                QCoreApplication::translate(
                    "corvander::NamingRules",
                    "Please enter word numbers (for example 10, 11 will use the tenth "
                    "and eleventh word on the first page):"),
                QCoreApplication::translate("corvander::NamingRules", "Input X1, X2, X3"),
                QStringLiteral("10,11"));
            if (!answer)
                return std::nullopt;
            if (isNumberList(*answer)) {
                RunParameters answers;
                answers.first = answer->section(QLatin1Char(','), 0, 0);
                answers.wordList = *answer;
                return answers;
            }
            refuseAnswer(dialogs);
        }
    }
    FileArguments argumentsFor(const RunParameters& answers) const override {
        return {answers.first, QStringLiteral("0"), answers.wordList, QString()};
    }
    std::optional<ExtractRequest> request(const QString& path,
                                          const RuleArguments& arguments) const override {
        if (arguments.wordList.trimmed().isEmpty())
            return std::nullopt;
        return ExtractRequest::pageText(path, 1);
    }

protected:
    SkipReason missingAnswer() const override { return SkipReason::NoWordList; }
    WordPick pick(const QString& text, const RuleArguments& arguments,
                  const QString&) const override {
        return listedWordsPick(text, arguments.count, arguments.wordList);
    }
};

} // namespace

const NamingRule& wordNumbersRule() {
    static const WordNumbersRule rule;
    return rule;
}

} // namespace corvander
