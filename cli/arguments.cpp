#include "cli/arguments.h"

#include "common/code_page.h"

#include <QCoreApplication>
#include <QStringList>

namespace corvander {

namespace {

const QStringList kRenameValues = {QStringLiteral("--words"),
                                   QStringLiteral("--page"),
                                   QStringLiteral("--word-numbers"),
                                   QStringLiteral("--after"),
                                   QStringLiteral("--before"),
                                   QStringLiteral("--format"),
                                   QStringLiteral("--to"),
                                   QStringLiteral("--jobs"),
                                   QStringLiteral("--password-file"),
                                   QStringLiteral("--extension"),
                                   QStringLiteral("--ocr-languages"),
                                   QStringLiteral("--template"),
                                   QStringLiteral("--date-order"),
                                   QStringLiteral("--like")};
// Options that may be given several times: their values are kept one per line, as the window's
// template box holds them.
const QStringList kRepeatable = {QStringLiteral("--template")};
const QStringList kRenameFlags = {QStringLiteral("--dry-run"), QStringLiteral("--json"),
                                  QStringLiteral("--ocr"), QStringLiteral("--skip-copied")};
const QStringList kCheckValues = {QStringLiteral("--jobs"), QStringLiteral("--password-file"),
                                  QStringLiteral("--extension"), QStringLiteral("--ocr-languages")};
const QStringList kCheckFlags = {QStringLiteral("--json"), QStringLiteral("--ocr")};
const QStringList kUndoValues = {};
const QStringList kUndoFlags = {QStringLiteral("--json")};
const QStringList kLearnValues = {QStringLiteral("--date-order"), QStringLiteral("--jobs"),
                                  QStringLiteral("--password-file"),
                                  QStringLiteral("--ocr-languages")};
const QStringList kLearnFlags = {QStringLiteral("--json"), QStringLiteral("--ocr")};

bool asksForHelp(const QByteArray& argument) {
    return argument == "--help" || argument == "-h";
}

QString displayed(const QByteArray& bytes) {
    return escapeInvalidUtf8(bytes);
}

} // namespace

CommandArguments parseArguments(const QString& command, const QList<QByteArray>& arguments) {
    // A watch names files as a rename does, with the same options.
    const bool rename = command == QLatin1String("rename") || command == QLatin1String("watch");
    const bool undo = command == QLatin1String("undo");
    const bool learn = command == QLatin1String("learn");
    const QStringList& valued = rename  ? kRenameValues
                                : undo  ? kUndoValues
                                : learn ? kLearnValues
                                        : kCheckValues;
    const QStringList& flags = rename  ? kRenameFlags
                               : undo  ? kUndoFlags
                               : learn ? kLearnFlags
                                       : kCheckFlags;
    CommandArguments parsed;
    parsed.command = command;
    // Help is asked for by an option, never by another option's value ("--after -h").
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        if (argument == "--")
            break;
        if (asksForHelp(argument)) {
            parsed.help = true;
            return parsed;
        }
        if (!argument.contains('=') && kRenameValues.contains(QString::fromUtf8(argument)))
            ++i;
    }
    bool optionsEnd = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        if (optionsEnd || argument == "-" || !argument.startsWith('-')) {
            parsed.paths << argument;
            continue;
        }
        if (argument == "--") {
            optionsEnd = true;
            continue;
        }
        const qsizetype equals = argument.indexOf('=');
        const QByteArray rawName = equals < 0 ? argument : argument.left(equals);
        if (!isValidUtf8(rawName))
            throw UsageError(
                QCoreApplication::translate("corvander::CommandLine", "unknown option %1")
                    .arg(displayed(rawName)));
        const QString name = QString::fromUtf8(rawName);
        if (flags.contains(name)) {
            if (equals >= 0)
                throw UsageError(
                    QCoreApplication::translate("corvander::CommandLine", "%1 takes no value")
                        .arg(name));
            parsed.flags.insert(name);
            continue;
        }
        if (!valued.contains(name)) {
            if (!undo && (kRenameValues.contains(name) || kRenameFlags.contains(name)))
                throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                             "%1 belongs to rename, not to %2")
                                     .arg(name, command));
            throw UsageError(
                QCoreApplication::translate("corvander::CommandLine", "unknown option %1")
                    .arg(name));
        }
        QByteArray value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            throw UsageError(
                QCoreApplication::translate("corvander::CommandLine", "%1 needs a value")
                    .arg(name));
        }
        if (name == QLatin1String("--like")) {
            parsed.examples << value;
            continue;
        }
        if (!isValidUtf8(value))
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "%1: the value %2 is not valid UTF-8")
                                 .arg(name, displayed(value)));
        if (parsed.values.contains(name)) {
            if (!kRepeatable.contains(name))
                throw UsageError(
                    QCoreApplication::translate("corvander::CommandLine", "%1 is given twice")
                        .arg(name));
            parsed.values[name] += QLatin1Char('\n') + QString::fromUtf8(value);
            continue;
        }
        parsed.values.insert(name, QString::fromUtf8(value));
    }
    return parsed;
}

} // namespace corvander
