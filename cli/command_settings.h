#pragma once

#include "cli/arguments.h"
#include "cli/named_example.h"
#include "naming/rules/naming_rule.h"

#include <QStringList>
#include <optional>

namespace corvander {

// What both commands share.
struct CommonSettings {
    bool json = false;
    std::optional<int> jobs;
    QString extension = QStringLiteral("pdf");
    std::optional<QString> passwordFile;
    // --ocr, or --ocr-languages, which implies it.
    bool ocr = false;
    // --ocr-languages split at "+"; empty: the default languages.
    QStringList ocrLanguages;
};

// A rename as the window would run it: the family, the mode and the answers its prompts would
// have collected.
struct RenameSettings {
    CommonSettings common;
    RuleId rule = RuleId::FirstWords;
    bool metadata = false;
    int mode = -1;
    RunParameters parameters;
    QString format;
    QString resultsFolder;
    bool dryRun = false;
    bool skipCopied = false;
    // --like: the examples the templates are learned from before the run.
    QList<NamedExample> examples;
};

// `learn`: how the examples are read, and the examples in the order given.
struct LearnSettings {
    CommonSettings common;
    QString dateOrder;
    QList<NamedExample> examples;
};

// The settings the command line asks for. Raises a UsageError naming the first problem: two
// families, a number that is not a whole decimal number, --to missing or naming something other
// than a folder, no PATH, an --ocr-languages that names no language.
RenameSettings renameSettingsOf(const CommandArguments& arguments);
CommonSettings checkSettingsOf(const CommandArguments& arguments);
// Raises a UsageError for no FILE=NAME, or one that names no file.
LearnSettings learnSettingsOf(const CommandArguments& arguments);

// The first line of the password file, without its line end. Raises a UsageError when the file
// cannot be read.
QString readPasswordFile(const QString& path);

} // namespace corvander
