#include "naming/template/field_kinds.h"

#include "common/path_helpers.h"
#include "extract/metadata.h"

#include <QFileInfo>

// The document information, read as rename by metadata reads it, and the file's own name and
// folder.

namespace corvander {

std::optional<FieldResult> informationField(const Alternative& alternative,
                                            const PreparedDocument& document) {
    const std::optional<QStringList>& lines = document.document().infoLines;
    const QString label = informationLabel(alternative.kind);
    if (!lines || label.isEmpty())
        return std::nullopt;
    // An entry that is missing and one that is empty read the same, so both leave the field to
    // its next alternative.
    QString value = LookupInfoField(*lines, label);
    if (value.isEmpty())
        return std::nullopt;
    if (alternative.kind == FieldKind::Created || alternative.kind == FieldKind::Modified) {
        const std::optional<QDate> date = printedInfoDate(value);
        if (!date)
            return std::nullopt;
        value = formatDate(*date, formatOrDefault(alternative));
    }
    const QString key = label + QLatin1Char(':');
    const qsizetype xmlFrom = lines->indexOf(QStringLiteral("Metadata:"));
    qsizetype line = 0;
    while (line < lines->size() && !lines->at(line).contains(key, Qt::CaseInsensitive))
        ++line;
    return FieldResult{value, label + (xmlFrom >= 0 && line > xmlFrom
                                           ? QStringLiteral(" from the XML metadata")
                                           : QStringLiteral(" from the document information"))};
}

std::optional<FieldResult> fileField(const Alternative& alternative,
                                     const PreparedDocument& document) {
    const QString& path = document.document().path;
    QString value;
    if (alternative.kind == FieldKind::File) {
        value = StripExtension(FileNameOf(path));
    } else {
        // The root folder has no name to give.
        value = FileNameOf(QFileInfo(path).absolutePath());
    }
    if (value.isEmpty())
        return std::nullopt;
    return FieldResult{value, alternative.kind == FieldKind::File
                                  ? QStringLiteral("the file's own name")
                                  : QStringLiteral("the name of the file's folder")};
}

} // namespace corvander
