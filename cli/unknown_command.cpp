#include "cli/unknown_command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace corvander {

namespace {

// Edits between two words, an exchange of two neighbouring letters counting as one: "renmae" is
// one slip from "rename".
int slipsBetween(const QString& a, const QString& b) {
    const qsizetype rows = a.size() + 1;
    const qsizetype columns = b.size() + 1;
    std::vector<int> distance(size_t(rows * columns));
    const auto at = [&](qsizetype i, qsizetype j) -> int& {
        return distance[size_t(i * columns + j)];
    };
    for (qsizetype i = 0; i < rows; ++i)
        at(i, 0) = int(i);
    for (qsizetype j = 0; j < columns; ++j)
        at(0, j) = int(j);
    for (qsizetype i = 1; i < rows; ++i) {
        for (qsizetype j = 1; j < columns; ++j) {
            const int changed = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + changed});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(rows - 1, columns - 1);
}

} // namespace

const QStringList& commandNames() {
    static const QStringList names = {QStringLiteral("rename"), QStringLiteral("check"),
                                      QStringLiteral("undo"), QStringLiteral("watch"),
                                      QStringLiteral("learn")};
    return names;
}

QString nearestCommand(const QString& word) {
    const QString typed = word.toLower();
    QString nearest;
    int fewest = 0;
    for (const QString& command : commandNames()) {
        const int slips = slipsBetween(typed, command);
        if (nearest.isEmpty() || slips < fewest) {
            nearest = command;
            fewest = slips;
        }
    }
    if (fewest > 2 || fewest * 2 >= typed.size())
        return {};
    return nearest;
}

QString unknownCommandMessage(const QStringList& arguments, bool windowRefusesAnOption) {
    if (arguments.isEmpty())
        return {};
    const QString& word = arguments.first();
    // Only a word of letters can be a command; anything else ("a.pdf", "scans/"), and a word that
    // names something on disk, is for the window.
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]+$"));
    if (!letters.match(word).hasMatch() || QFileInfo(word).exists() || QFileInfo(word).isSymLink())
        return {};
    const QString suggestion = nearestCommand(word);
    if (suggestion.isEmpty() && !windowRefusesAnOption)
        return {};
    QString message =
        QCoreApplication::translate("corvander::CommandLine", "unknown command \"%1\"").arg(word);
    if (!suggestion.isEmpty())
        message += QCoreApplication::translate("corvander::CommandLine", "; did you mean \"%1\"?")
                       .arg(suggestion);
    return message +
           QCoreApplication::translate("corvander::CommandLine", "\nTry \"corvander --help\".");
}

} // namespace corvander
