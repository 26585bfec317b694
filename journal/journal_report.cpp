#include "journal/journal_report.h"

#include "journal/journal_lines.h"

#include <QStringList>

#include <algorithm>

namespace corvander {

namespace {

QString csvField(const QString& text) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return kSpecial.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvRow(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

std::optional<QByteArray> journalCsv(const QString& journal) {
    const std::optional<JournalContent> content = readJournal(journal);
    if (!content)
        return std::nullopt;
    QString csv =
        csvRow({QStringLiteral("source"), QStringLiteral("new name"), QStringLiteral("status"),
                QStringLiteral("reason"), QStringLiteral("provenance")});
    for (const FileRecord& file : content->files) {
        const bool copied = !file.nativeNewPath.isEmpty();
        const QString newName = file.newPath.section(QLatin1Char('/'), -1);
        csv += csvRow({file.source, copied ? newName : QString(),
                       copied ? QStringLiteral("copied") : QStringLiteral("skipped"),
                       file.skipReason, file.provenance});
    }
    return csv.toUtf8();
}

} // namespace corvander
