#include "tests/extract/reference_tools.h"

#include "tests/support/test_files.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace corvander {

namespace {

ToolResult run(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    result.output = process.readAllStandardOutput();
    return result;
}

} // namespace

ToolResult runPdftotext(const QString& path, const QStringList& options,
                        const QProcessEnvironment& environment) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    ToolResult result = run(QStringLiteral("pdftotext"),
                            QStringList{QStringLiteral("-eol"), QStringLiteral("dos")} + options +
                                QStringList{path, out},
                            environment);
    result.wroteFile = QFile::exists(out);
    result.output = result.wroteFile ? fileBytes(out) : QByteArray();
    return result;
}

ToolResult runPdfinfo(const QString& path, const QStringList& options,
                      const QProcessEnvironment& environment) {
    return run(QStringLiteral("pdfinfo"), options + QStringList{path}, environment);
}

} // namespace corvander
