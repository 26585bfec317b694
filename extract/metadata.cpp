#include "extract/metadata.h"

#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "extract/shell_and_wait.h"
#include "extract/text_reading.h"

#include <QFile>

namespace {

const QByteArray kMetadataHeading("Metadata:\n");

// Runs "pdfinfo -meta" with its output after a "Metadata:" line at the end of the output file;
// when the document has no XML stream the heading is taken away again.
void appendXmlMetadata(const QString& pdfinfoPath, const QString& pdfPath,
                       const QString& outputPath) {
    QFile output(outputPath);
    if (!output.open(QIODevice::Append))
        raiseError(QStringLiteral("Path/file access error"));
    const qint64 sizeBefore = output.size();
    if (output.write(kMetadataHeading) != kMetadataHeading.size() || !output.flush())
        raiseError(QStringLiteral("Path/file access error"));
    output.close();
    ShellAndWait(pdfinfoPath, {QStringLiteral("-meta"), QStringLiteral("--"), pdfPath}, outputPath,
                 nullptr, {}, 0, 0, OutputMode::Append);
    if (QFile(outputPath).size() == sizeBefore + kMetadataHeading.size())
        QFile::resize(outputPath, sizeBefore);
}

// True unless the plain run says the document has no XML stream; an extractor that does not say
// is asked anyway. Sparing the second run halves the extractor starts for most documents.
bool mayHaveXmlMetadata(const QString& outputPath) {
    QFile output(outputPath);
    if (!output.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = output.readAll();
    static const QByteArray label("Metadata Stream:");
    const qsizetype at = text.indexOf(label);
    if (at < 0 || (at > 0 && text.at(at - 1) != '\n'))
        return true;
    qsizetype end = text.indexOf('\n', at);
    if (end < 0)
        end = text.size();
    return text.mid(at + label.size(), end - at - label.size()).trimmed() != "no";
}

} // namespace

QStringList ReadDocumentInfo(Dialogs& dialogs, const QString& pdfinfoPath,
                             const QString& workFolder, const QString& pdfPath) {
    TrappedProcedure proc(dialogs, QStringLiteral("Form1.RenameMeta"));
    QString outputPath;
    int exitCode = -1;
    QStringList lines;
    proc.step([&] {
        outputPath = outputTextPath(workFolder, pdfPath);
        DeleteFileForced(outputPath);
    });
    proc.step([&] {
        // "--" ends the options, so a path that begins with "-" is still read as the file.
        exitCode = ShellAndWait(pdfinfoPath, {QStringLiteral("--"), pdfPath}, outputPath);
    });
    proc.step([&] {
        // A document the extractor could not open has no XML stream to show either.
        if (exitCode == 0 && mayHaveXmlMetadata(outputPath))
            appendXmlMetadata(pdfinfoPath, pdfPath, outputPath);
    });
    proc.step([&] {
        if (PathExists(outputPath))
            lines = ReadFileToStringFSOLine(dialogs, outputPath);
    });
    proc.step([&] { DeleteFileForced(outputPath); });
    return lines;
}

QString LookupInfoField(const QStringList& lines, const QString& label) {
    const QString key = label + QLatin1Char(':');
    for (const QString& line : lines) {
        const qsizetype at = line.indexOf(key, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        return trimBlanks(line.mid(at + key.size()));
    }
    return {};
}
