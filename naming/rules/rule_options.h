#pragma once

#include "naming/rules/naming_rule.h"

#include <QString>
#include <optional>

namespace corvander {

// What the rules share in asking for their answers and in reading them from the command line.

// A whole number in decimal, as the window's prompts take it and its rename converts it without
// an overflow; otherwise the problem, naming the option.
std::optional<QString> wholeNumberProblem(const QString& option, const QString& text);

// The value of a whole number in decimal that fits; nothing for any other text.
std::optional<int> wholeNumberOf(const QString& text);

// "--words" as a whole number, into the answers' first number.
std::optional<QString> readWordCount(const OptionValues& values, RunParameters& answers);

// The problem of a family's option given with --words, which leads a family of its own.
std::optional<QString> withoutWords(const OptionValues& values, const QString& option);

// Asks until the answer is numeric, with "Must be numeric." in between; nothing when the user
// leaves the prompt.
std::optional<QString> askNumber(Dialogs& dialogs, const QString& prompt, const QString& title);
// Says that an answer is not numeric.
void refuseAnswer(Dialogs& dialogs);

} // namespace corvander
