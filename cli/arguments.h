#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <stdexcept>

namespace corvander {

// A command line that cannot be carried out as typed; the text names the problem.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& problem)
        : std::runtime_error(problem.toStdString()), m_problem(problem) {}
    const QString& problem() const { return m_problem; }

private:
    QString m_problem;
};

// One command's arguments as typed: the options with their values, the flags, and the paths as
// raw bytes, since a file's name need not be UTF-8.
struct CommandArguments {
    QString command;
    bool help = false;
    QMap<QString, QString> values; // "--words" -> "3"
    QSet<QString> flags;           // "--dry-run"
    QList<QByteArray> paths;
    // rename's --like FILE=NAME, as typed: the file's name need not be UTF-8 either.
    QList<QByteArray> examples;

    bool has(const QString& option) const {
        return values.contains(option) || flags.contains(option);
    }
};

// Reads the arguments that follow the command's name. Options take their value as the next
// argument or after "="; "--" ends the options; "-h" and "--help" anywhere before it ask for the
// help. Raises a UsageError for an option the command does not know, a value that is missing or
// not UTF-8, and an option given twice. `learn` takes its FILE=NAME arguments as paths.
CommandArguments parseArguments(const QString& command, const QList<QByteArray>& arguments);

} // namespace corvander
