#include "extract/extractor_tools.h"

#include "common/error_report.h"

#include <QStandardPaths>

QString DeployTool(const QString& programName) {
    const QString path = QStandardPaths::findExecutable(programName);
    if (path.isEmpty())
        raiseError(QStringLiteral("The program \"%1\" was not found on the search path. "
                                  "Please install the poppler-utils package, which provides it.")
                       .arg(programName));
    return path;
}

QStringList textExtractorArguments(const QString& pdfPath, const QString& outputPath,
                                   const QStringList& pageOptions) {
    return QStringList{QStringLiteral("-eol"), QStringLiteral("dos")} + pageOptions +
           QStringList{QStringLiteral("--"), pdfPath, outputPath};
}
