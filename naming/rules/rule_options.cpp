#include "naming/rules/rule_options.h"

#include "common/dialogs.h"
#include "common/vb_convert.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace corvander {

std::optional<QString> wholeNumberProblem(const QString& option, const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return QStringLiteral("%1: \"%2\" is not a whole number").arg(option, text);
    bool fits = false;
    text.toInt(&fits);
    if (!fits)
        return QStringLiteral("%1: %2 is out of range").arg(option, text);
    return std::nullopt;
}

std::optional<int> wholeNumberOf(const QString& text) {
    if (wholeNumberProblem(QString(), text))
        return std::nullopt;
    return text.toInt();
}

std::optional<QString> readWordCount(const OptionValues& values, RunParameters& answers) {
    const QString words = QStringLiteral("--words");
    const QString text = values.value(words);
    if (auto problem = wholeNumberProblem(words, text))
        return problem;
    answers.first = QString::number(text.toInt());
    return std::nullopt;
}

std::optional<QString> withoutWords(const OptionValues& values, const QString& option) {
    if (values.contains(QStringLiteral("--words")))
        return QCoreApplication::translate("corvander::CommandLine",
                                           "two families at once: --words and %1")
            .arg(option);
    return std::nullopt;
}

void refuseAnswer(Dialogs& dialogs) {
    dialogs.showMessage(QCoreApplication::translate("corvander::NamingRules", "Must be numeric."));
}

std::optional<QString> askNumber(Dialogs& dialogs, const QString& prompt, const QString& title) {
    for (;;) {
        const std::optional<QString> answer = dialogs.askText(prompt, title, QStringLiteral("1"));
        if (!answer || isNumeric(*answer))
            return answer;
        refuseAnswer(dialogs);
    }
}

} // namespace corvander
