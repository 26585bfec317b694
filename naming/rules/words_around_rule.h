#pragma once

#include "naming/rules/content_rule.h"

namespace corvander {

// Modes 5 and 6: n words after or before the first place of a search text, found without regard
// to letter case; a text in no page reads the whole document.
class WordsAroundRule : public ContentRule {
public:
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override;
    std::optional<RunParameters> ask(Dialogs& dialogs) const override;
    FileArguments argumentsFor(const RunParameters& answers) const override;

protected:
    virtual bool after() const = 0;
    SkipReason missingAnswer() const override { return SkipReason::NoSearchText; }
    WordPick pick(const QString& text, const RuleArguments& arguments,
                  const QString& path) const override;
};

} // namespace corvander
