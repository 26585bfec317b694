#include "tests/naming/extracted_document.h"

#include "extract/extract_request.h"
#include "extract/metadata.h"
#include "extract/text_reading.h"
#include "naming/template/template_text.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace corvander {

namespace {

QByteArray standardOutput(const QString& program, const QStringList& arguments,
                          const QString& timeZone) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), timeZone);
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

} // namespace

corvander::TemplateDocument extractedDocument(const PdfDocument& pdf, const QString& path,
                                              const QString& timeZone) {
    corvander::TemplateDocument document;
    document.path = path;
    if (!writePdf(path, pdf))
        return document;
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    standardOutput(QStringLiteral("pdftotext"),
                   {QStringLiteral("-eol"), QStringLiteral("dos"), path, out}, timeZone);
    QFile text(out);
    if (text.open(QIODevice::ReadOnly))
        document.text = decodeExtractedText(text.readAll());
    document.pageCount = int(pdf.pages.size());

    corvander::ExtractResult info;
    info.outcome = corvander::ExtractResult::Outcome::Answered;
    info.status = 0;
    info.info = standardOutput(QStringLiteral("pdfinfo"), {path}, timeZone);
    info.xml = standardOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path}, timeZone);
    document.infoLines = documentInfoLines(info);
    return document;
}

corvander::TemplateDocument textDocument(const QString& text, const QString& path) {
    corvander::TemplateDocument document;
    document.path = path;
    document.text = text;
    document.pageCount = int(corvander::pageSpans(text).size());
    return document;
}

} // namespace corvander
