#include "extract/metadata.h"

#include "common/text_helpers.h"
#include "extract/text_reading.h"

namespace corvander {

QStringList ReadDocumentInfo(const corvander::ExtractFunction& extract, const QString& pdfPath) {
    return documentInfoLines(extract(corvander::ExtractRequest::information(pdfPath)));
}

QStringList documentInfoLines(const corvander::ExtractResult& result) {
    // Only a finished answer counts; a worker that died part-way leaves nothing to read.
    if (result.outcome != corvander::ExtractResult::Outcome::Answered)
        return {};
    QStringList lines = splitOutputLines(result.info);
    // A document that could not be opened has no XML stream to show either.
    if (result.status == 0 && !result.xml.isEmpty())
        lines << QStringLiteral("Metadata:") << splitOutputLines(result.xml);
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

} // namespace corvander
