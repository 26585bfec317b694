#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <sys/types.h>

namespace corvander {

// Runs the built corvander program as a script would: arguments as raw bytes (a path need not be
// UTF-8), no display of any kind in its environment, its own settings and state folders, standard
// input from /dev/null and its output caught in files.
struct ProgramResult {
    int status = -1; // the exit status; -1 when it did not exit normally
    QByteArray out;
    QByteArray err;

    QList<QByteArray> lines() const;
};

class ProgramRunner {
public:
    ProgramRunner();

    // Runs the program to its end (at most a minute) in the given working folder.
    ProgramResult run(const QList<QByteArray>& arguments, const QString& workFolder = {});
    // Starts it and returns at once; finish() collects it.
    pid_t start(const QList<QByteArray>& arguments, const QString& workFolder = {});
    ProgramResult finish(pid_t process);
    // Runs it with standard output on a pipe whose reader has gone, as `corvander ... | head`
    // leaves it once head has read what it wanted.
    ProgramResult runIntoClosedPipe(const QList<QByteArray>& arguments);
    // Runs it with standard error on a pseudo-terminal, which is read meanwhile.
    ProgramResult runOnTerminal(const QList<QByteArray>& arguments);

    // The child's $XDG_STATE_HOME, which holds its run journals in "corvander".
    QString stateFolder() const { return m_home.filePath(QStringLiteral("state")); }

    // The program run; another copy of it may stand in.
    QString program = QStringLiteral(CORVANDER_PROGRAM);

private:
    QString outputFile(const char* kind, int number) const;

    QTemporaryDir m_home;
    int m_started = 0;
    QHash<pid_t, int> m_numbers;
};

// Output bytes shown as text in a test's failure.
inline void PrintTo(const QByteArray& bytes, std::ostream* stream) {
    *stream << '"' << bytes.toStdString() << '"';
}

// "ARG" as raw bytes.
inline QByteArray arg(const QString& text) {
    return text.toUtf8();
}

} // namespace corvander
