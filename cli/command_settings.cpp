#include "cli/command_settings.h"

#include "common/path_helpers.h"
#include "extract/worker_count.h"
#include "naming/rules/naming_rules.h"
#include "naming/rules/rule_options.h"
#include "naming/template/dates.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <limits>

namespace corvander {

namespace {

// Whole numbers in decimal, as the window's prompts would take them and its rename would
// convert them without an overflow.
int wholeNumber(const QString& option, const QString& text) {
    if (const std::optional<QString> problem = wholeNumberProblem(option, text))
        throw UsageError(*problem);
    return text.toInt();
}

// Naming the languages asks for OCR in them; whether they are installed is for a worker to say.
void readOcr(const CommandArguments& arguments, CommonSettings& settings) {
    const QString option = QStringLiteral("--ocr-languages");
    settings.ocr = arguments.has(QStringLiteral("--ocr")) || arguments.has(option);
    if (!arguments.values.contains(option))
        return;
    const QString value = arguments.values.value(option);
    settings.ocrLanguages = value.split(QLatin1Char('+'));
    if (value.isEmpty() || settings.ocrLanguages.contains(QString()))
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine",
                                        "%1: \"%2\" is not a list of languages such as eng+deu")
                .arg(option, value));
    settings.ocrLanguages.removeDuplicates();
}

CommonSettings commonSettingsOf(const CommandArguments& arguments) {
    CommonSettings settings;
    settings.json = arguments.flags.contains(QStringLiteral("--json"));
    if (arguments.values.contains(QStringLiteral("--jobs"))) {
        const QString option = QStringLiteral("--jobs");
        const int jobs = wholeNumber(option, arguments.values.value(option));
        if (jobs < 1)
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "--jobs: %1 is fewer than one worker")
                                 .arg(jobs));
        if (jobs > kMostWorkers)
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "--jobs: %1 is more than %2 workers")
                                 .arg(jobs)
                                 .arg(kMostWorkers));
        settings.jobs = jobs;
    }
    if (arguments.values.contains(QStringLiteral("--extension"))) {
        settings.extension = arguments.values.value(QStringLiteral("--extension"));
        if (settings.extension.isEmpty())
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "--extension: the extension is empty"));
    }
    if (arguments.values.contains(QStringLiteral("--password-file"))) {
        settings.passwordFile = arguments.values.value(QStringLiteral("--password-file"));
        if (settings.passwordFile->isEmpty())
            throw UsageError(QCoreApplication::translate(
                "corvander::CommandLine", "--password-file: the file name is empty"));
    }
    readOcr(arguments, settings);
    return settings;
}

// The options that lead a family of their own, in the table's order ("--words" first).
QStringList leadingOptions() {
    QStringList options;
    for (const NamingRule* rule : namingRules()) {
        if (!options.contains(rule->leadingOption()))
            options << rule->leadingOption();
    }
    return options;
}

// The rule the options choose, and the answers its prompts would have collected. --words leads
// when no other family's option is given; --page goes with it alone.
void chooseFamily(const CommandArguments& arguments, RenameSettings& settings) {
    const QString words = QStringLiteral("--words");
    const QString page = QStringLiteral("--page");
    const bool hasWords = arguments.values.contains(words);
    const bool hasPage = arguments.values.contains(page);
    QStringList leading;
    for (const QString& option : leadingOptions()) {
        if (option != words && arguments.values.contains(option))
            leading << option;
    }
    if (leading.size() > 1)
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "two families at once: %1")
                .arg(leading.join(QCoreApplication::translate("corvander::CommandLine", " and "))));
    if (leading.isEmpty()) {
        if (!hasWords && hasPage)
            throw UsageError(
                QCoreApplication::translate("corvander::CommandLine", "--page needs --words X"));
        if (!hasWords) {
            QStringList options = leadingOptions();
            const QString last = options.takeLast();
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "no FAMILY given: use %1 or %2")
                                 .arg(options.join(QStringLiteral(", ")), last));
        }
        leading << words;
    } else if (hasPage) {
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--page goes with --words alone, not with %1")
                             .arg(leading.first()));
    }
    const std::optional<QString> pageValue =
        hasPage ? std::optional<QString>(arguments.values.value(page)) : std::nullopt;
    for (const NamingRule* rule : namingRules()) {
        if (rule->leadingOption() != leading.first() || !rule->chosenBy(pageValue))
            continue;
        if (const std::optional<QString> problem =
                rule->readOptions(arguments.values, settings.parameters))
            throw UsageError(*problem);
        settings.rule = rule->id();
        settings.metadata = rule->family() == Family::Metadata;
        settings.mode = comboIndexOf(rule->id());
        settings.format = settings.parameters.format;
        return;
    }
}

// --like: rename by template, by the templates learned from the examples before the run.
void chooseLearnedFamily(const CommandArguments& arguments, RenameSettings& settings) {
    const QString like = QStringLiteral("--like");
    for (const QString& option : leadingOptions()) {
        if (arguments.values.contains(option))
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "two families at once: %1 and %2")
                                 .arg(option, like));
    }
    if (arguments.values.contains(QStringLiteral("--page")))
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--page goes with --words alone, not with %1")
                             .arg(like));
    settings.rule = RuleId::Template;
    settings.mode = comboIndexOf(RuleId::Template);
    for (const QByteArray& argument : arguments.examples)
        settings.examples << namedExampleOf(argument);
}

// The order of ambiguous dates as given; empty when it is not.
QString dateOrderOf(const CommandArguments& arguments) {
    const QString option = QStringLiteral("--date-order");
    const QString value = arguments.values.value(option);
    if (arguments.values.contains(option) && !dateOrderFromText(value))
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "%1: \"%2\" is not dmy, mdy or ymd")
                             .arg(option, value));
    return value;
}

// The order of ambiguous dates, for templates only.
void readDateOrder(const CommandArguments& arguments, RenameSettings& settings) {
    const QString option = QStringLiteral("--date-order");
    if (!arguments.values.contains(option))
        return;
    if (settings.rule != RuleId::Template)
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "%1 goes with --template")
                .arg(option));
    settings.parameters.dateOrder = dateOrderOf(arguments);
}

} // namespace

RenameSettings renameSettingsOf(const CommandArguments& arguments) {
    RenameSettings settings;
    if (arguments.examples.isEmpty())
        chooseFamily(arguments, settings);
    else
        chooseLearnedFamily(arguments, settings);
    settings.common = commonSettingsOf(arguments);
    settings.dryRun = arguments.flags.contains(QStringLiteral("--dry-run"));
    readDateOrder(arguments, settings);
    settings.skipCopied = arguments.flags.contains(QStringLiteral("--skip-copied"));
    if (!arguments.values.contains(QStringLiteral("--to")))
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "--to DIR is missing"));
    settings.resultsFolder = arguments.values.value(QStringLiteral("--to"));
    if (settings.resultsFolder.isEmpty())
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--to: the folder name is empty"));
    // A folder that does not exist is no usage error but a run that cannot start; something
    // else standing under that name is.
    const QFileInfo folder(settings.resultsFolder);
    if (folder.exists() && !IsDirectory(settings.resultsFolder))
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "--to: %1 is not a folder")
                .arg(settings.resultsFolder));
    if (arguments.paths.isEmpty())
        throw UsageError(QCoreApplication::translate("corvander::CommandLine", "no PATH given"));
    return settings;
}

CommonSettings checkSettingsOf(const CommandArguments& arguments) {
    const CommonSettings settings = commonSettingsOf(arguments);
    if (arguments.paths.isEmpty())
        throw UsageError(QCoreApplication::translate("corvander::CommandLine", "no PATH given"));
    return settings;
}

LearnSettings learnSettingsOf(const CommandArguments& arguments) {
    LearnSettings settings;
    settings.common = commonSettingsOf(arguments);
    settings.dateOrder = dateOrderOf(arguments);
    if (arguments.paths.isEmpty())
        throw UsageError(
            QCoreApplication::translate("corvander::CommandLine", "no FILE=NAME given"));
    for (const QByteArray& argument : arguments.paths)
        settings.examples << namedExampleOf(argument);
    return settings;
}

QString readPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--password-file: cannot read %1: %2")
                             .arg(path, file.errorString()));
    QByteArray line = file.readLine();
    if (file.error() != QFileDevice::NoError)
        throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                     "--password-file: cannot read %1: %2")
                             .arg(path, file.errorString()));
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

} // namespace corvander
