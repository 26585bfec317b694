#include "run/run_parameters.h"

#include "common/dialogs.h"
#include "common/vb_convert.h"

#include <QStringList>
#include <algorithm>

namespace {

void refuse(Dialogs& dialogs) {
    dialogs.showMessage(QStringLiteral("Must be numeric."));
}

// Nothing when the user leaves the prompt.
std::optional<QString> askNumber(Dialogs& dialogs, const QString& prompt, const QString& title) {
    for (;;) {
        const std::optional<QString> answer = dialogs.askText(prompt, title, QStringLiteral("1"));
        if (!answer || isNumeric(*answer))
            return answer;
        refuse(dialogs);
    }
}

bool isNumberList(const QString& answer) {
    if (answer.isEmpty())
        return false;
    const QStringList entries = answer.split(QLatin1Char(','));
    return std::all_of(entries.begin(), entries.end(), isNumeric);
}

} // namespace

std::optional<RunParameters> collectRunParameters(Dialogs& dialogs, int mode) {
    RunParameters parameters;
    const QString enterX = QStringLiteral("Enter X");
    const QString inputX = QStringLiteral("Input X");
    if (mode == 5 || mode == 6) {
        const std::optional<QString> searchText = dialogs.askText(
            QStringLiteral("Enter string to search for:"), inputX, QStringLiteral("String"));
        if (!searchText)
            return std::nullopt;
        parameters.searchText = *searchText;
        const std::optional<QString> count = askNumber(
            dialogs, QStringLiteral("Enter number of words to get:"), QStringLiteral("Input N"));
        if (!count)
            return std::nullopt;
        parameters.first = *count;
    } else if (mode == 4) {
        for (;;) {
            const std::optional<QString> answer = dialogs.askText(
                QStringLiteral("Please enter word numbers (for example 10, 11 will use the tenth "
                               "and eleventh word on the first page):"),
                QStringLiteral("Input X1, X2, X3"), QStringLiteral("10,11"));
            if (!answer)
                return std::nullopt;
            if (isNumberList(*answer)) {
                parameters.wordList = *answer;
                parameters.first = answer->section(QLatin1Char(','), 0, 0);
                break;
            }
            refuse(dialogs);
        }
    } else {
        const std::optional<QString> x = askNumber(dialogs, enterX, inputX);
        if (!x)
            return std::nullopt;
        parameters.first = *x;
        if (mode == 3) {
            const std::optional<QString> y =
                askNumber(dialogs, QStringLiteral("Enter Y"), QStringLiteral("Input Y"));
            if (!y)
                return std::nullopt;
            parameters.second = *y;
        }
    }
    return parameters;
}

FileArguments fileArgumentsFor(int mode, const RunParameters& parameters) {
    const QString zero = QStringLiteral("0");
    if (mode == 5 || mode == 6)
        return {parameters.first, zero, QString(), parameters.searchText};
    if (mode == 4)
        return {parameters.first, zero, parameters.wordList, QString()};
    if (parameters.second.isEmpty())
        return {parameters.first, zero, QString(), QString()};
    return {parameters.first, parameters.second, QString(), QString()};
}

QStringList RunParameters::described() const {
    QStringList answers;
    if (!searchText.isEmpty())
        answers << QStringLiteral("text=") + searchText << QStringLiteral("n=") + first;
    else if (!wordList.isEmpty())
        answers << QStringLiteral("words=") + wordList;
    else if (!first.isEmpty())
        answers << QStringLiteral("x=") + first;
    if (!second.isEmpty())
        answers << QStringLiteral("y=") + second;
    return answers;
}
