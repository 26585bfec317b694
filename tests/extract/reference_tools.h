#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace corvander {

// The installed command-line tools, run the way the worker must imitate them.
struct ToolResult {
    int status = -1; // the exit status; -1 when the tool crashed or did not run
    QByteArray output;
    bool wroteFile = false;
};

// `pdftotext -eol dos OPTIONS FILE OUT`: the status and what OUT holds.
ToolResult runPdftotext(const QString& path, const QStringList& options,
                        const QProcessEnvironment& environment);
// `pdfinfo OPTIONS FILE`: the status and what it printed.
ToolResult runPdfinfo(const QString& path, const QStringList& options,
                      const QProcessEnvironment& environment);

} // namespace corvander
