#include "naming/rules/naming_rule.h"

namespace corvander {

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

} // namespace corvander
