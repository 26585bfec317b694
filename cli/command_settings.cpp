#include "cli/command_settings.h"

#include "common/path_helpers.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <limits>

namespace corvander {

namespace {

// Whole numbers in decimal, as the window's prompts would take them and its rename would
// convert them without an overflow.
int wholeNumber(const QString& option, const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        throw UsageError(QStringLiteral("%1: \"%2\" is not a whole number").arg(option, text));
    bool fits = false;
    const int value = text.toInt(&fits);
    if (!fits)
        throw UsageError(QStringLiteral("%1: %2 is out of range").arg(option, text));
    return value;
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
        throw UsageError(QStringLiteral("%1: \"%2\" is not a list of languages such as eng+deu")
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
            throw UsageError(QStringLiteral("--jobs: %1 is fewer than one worker").arg(jobs));
        settings.jobs = jobs;
    }
    if (arguments.values.contains(QStringLiteral("--extension"))) {
        settings.extension = arguments.values.value(QStringLiteral("--extension"));
        if (settings.extension.isEmpty())
            throw UsageError(QStringLiteral("--extension: the extension is empty"));
    }
    if (arguments.values.contains(QStringLiteral("--password-file"))) {
        settings.passwordFile = arguments.values.value(QStringLiteral("--password-file"));
        if (settings.passwordFile->isEmpty())
            throw UsageError(QStringLiteral("--password-file: the file name is empty"));
    }
    readOcr(arguments, settings);
    return settings;
}

// The options of the family that leads (the one with a text or list of its own); --words and
// --page go with them or stand alone.
QStringList leadingFamilies(const CommandArguments& arguments) {
    QStringList found;
    for (const char* option : {"--word-numbers", "--after", "--before", "--format"}) {
        if (arguments.values.contains(QLatin1String(option)))
            found << QLatin1String(option);
    }
    return found;
}

void chooseFamily(const CommandArguments& arguments, RenameSettings& settings) {
    const QString words = QStringLiteral("--words");
    const QString page = QStringLiteral("--page");
    const bool hasWords = arguments.values.contains(words);
    const bool hasPage = arguments.values.contains(page);
    const QStringList leading = leadingFamilies(arguments);
    if (leading.size() > 1)
        throw UsageError(
            QStringLiteral("two families at once: %1").arg(leading.join(QStringLiteral(" and "))));
    const QString family = leading.value(0);
    if (family.isEmpty()) {
        if (!hasWords && hasPage)
            throw UsageError(QStringLiteral("--page needs --words X"));
        if (!hasWords)
            throw UsageError(QStringLiteral("no FAMILY given: use --words, --word-numbers, "
                                            "--after, --before or --format"));
        settings.parameters.first = QString::number(wholeNumber(words, arguments.values[words]));
        settings.mode = 0;
        if (!hasPage)
            return;
        const QString y = arguments.values.value(page);
        if (y == QLatin1String("last")) {
            settings.mode = 2;
            return;
        }
        const int number = wholeNumber(page, y);
        if (number == 2) {
            settings.mode = 1;
            return;
        }
        settings.mode = 3;
        settings.parameters.second = QString::number(number);
        return;
    }
    if (hasPage)
        throw UsageError(QStringLiteral("--page goes with --words alone, not with %1").arg(family));
    const QString value = arguments.values.value(family);
    if (family == QLatin1String("--format")) {
        if (hasWords)
            throw UsageError(QStringLiteral("two families at once: --words and --format"));
        settings.metadata = true;
        settings.format = value;
        return;
    }
    if (family == QLatin1String("--word-numbers")) {
        if (hasWords)
            throw UsageError(QStringLiteral("two families at once: --words and --word-numbers"));
        const QStringList entries = value.split(QLatin1Char(','));
        for (const QString& entry : entries) {
            if (entry.isEmpty())
                throw UsageError(QStringLiteral("--word-numbers: \"%1\" is not a list of whole "
                                                "numbers such as 10,11")
                                     .arg(value));
            wholeNumber(family, entry);
        }
        settings.mode = 4;
        settings.parameters.wordList = value;
        settings.parameters.first = entries.first();
        return;
    }
    if (!hasWords)
        throw UsageError(QStringLiteral("%1 needs --words N").arg(family));
    settings.mode = family == QLatin1String("--after") ? 5 : 6;
    settings.parameters.searchText = value;
    settings.parameters.first = QString::number(wholeNumber(words, arguments.values[words]));
}

} // namespace

RenameSettings renameSettingsOf(const CommandArguments& arguments) {
    RenameSettings settings;
    chooseFamily(arguments, settings);
    settings.common = commonSettingsOf(arguments);
    settings.dryRun = arguments.flags.contains(QStringLiteral("--dry-run"));
    if (!arguments.values.contains(QStringLiteral("--to")))
        throw UsageError(QStringLiteral("--to DIR is missing"));
    settings.resultsFolder = arguments.values.value(QStringLiteral("--to"));
    if (settings.resultsFolder.isEmpty())
        throw UsageError(QStringLiteral("--to: the folder name is empty"));
    // A folder that does not exist is no usage error but a run that cannot start; something
    // else standing under that name is.
    const QFileInfo folder(settings.resultsFolder);
    if (folder.exists() && !IsDirectory(settings.resultsFolder))
        throw UsageError(QStringLiteral("--to: %1 is not a folder").arg(settings.resultsFolder));
    if (arguments.paths.isEmpty())
        throw UsageError(QStringLiteral("no PATH given"));
    return settings;
}

CommonSettings checkSettingsOf(const CommandArguments& arguments) {
    const CommonSettings settings = commonSettingsOf(arguments);
    if (arguments.paths.isEmpty())
        throw UsageError(QStringLiteral("no PATH given"));
    return settings;
}

QString readPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError(
            QStringLiteral("--password-file: cannot read %1: %2").arg(path, file.errorString()));
    QByteArray line = file.readLine();
    if (file.error() != QFileDevice::NoError)
        throw UsageError(
            QStringLiteral("--password-file: cannot read %1: %2").arg(path, file.errorString()));
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

} // namespace corvander
