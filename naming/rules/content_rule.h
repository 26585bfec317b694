#pragma once

#include "naming/rules/naming_rule.h"

namespace corvander {

// What the content modes share: they name a file by words of its text, picked from the answer
// to their one extraction.
class ContentRule : public NamingRule {
public:
    Family family() const override { return Family::Content; }
    // x, and the page (y) where the answers hold one: the mapping of modes 0 to 3.
    FileArguments argumentsFor(const RunParameters& answers) const override;
    PlannedFile plan(const QString& path, const RuleArguments& arguments,
                     const std::optional<ExtractResult>& extracted) const override;

protected:
    // Why a file is skipped unread: the answer the mode needs was not given.
    virtual SkipReason missingAnswer() const { return SkipReason::NoMode; }
    // The words of the text that make the name.
    virtual WordPick pick(const QString& text, const RuleArguments& arguments,
                          const QString& path) const;
    // Whether the picked words are numbered from where the extracted text begins.
    virtual bool numbersFromTextStart() const { return false; }
};

// The modes that ask for x alone: the first x words of the document, page 2, the last page.
class FirstWordsOfRule : public ContentRule {
public:
    std::optional<RunParameters> ask(Dialogs& dialogs) const override;
    QString leadingOption() const override { return QStringLiteral("--words"); }
    std::optional<QString> readOptions(const OptionValues& values,
                                       RunParameters& answers) const override;
};

} // namespace corvander
