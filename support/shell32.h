#pragma once

#include "common/error_report.h"

#include <QString>

namespace corvander {

class Dialogs;

// A failed open: the error number and message that belong to the shell's failure code, and the
// source, the program's file name without extension followed by ".GShell".
class ShellError : public AppError {
public:
    ShellError(int code, int number, const QString& source, const QString& message)
        : AppError(message), m_code(code), m_number(number), m_source(source) {}
    int code() const { return m_code; }
    int number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& message() const { return description(); }

private:
    int m_code;
    int m_number;
    QString m_source;
};

// What a shell failure code (0 to 32) stands for.
struct ShellFailure {
    int number;
    QString message;
};
ShellFailure shellFailure(int code);
// The program's file name without extension, then ".GShell".
QString shellErrorSource();

// The result of an open that worked; any value above 32 means success.
inline constexpr int kShellOpened = 33;

// Opens a file or folder with the desktop's default handler and returns kShellOpened. A path
// that does not exist fails with code 2 (error 53, "File not found"), a file that no program
// takes with code 31; both raise a ShellError. The desktop picks the handler and the window's
// state itself, so parameters, working folder, show state and verb have no effect here.
int ShellOpen(Dialogs& dialogs, const QString& file, int showState = 1,
              const QString& parameters = {}, const QString& workingFolder = {},
              const QString& verb = QStringLiteral("open"));

} // namespace corvander
