#pragma once

#include <QString>
#include <functional>

namespace corvander {

// The document-information label a placeholder such as "%a" stands for; empty for anything else
// (matching is exact and case-sensitive, so "%A" names nothing).
QString metadataLabel(const QString& token);

// Builds a name from a format such as "%a - %t". The format is split at every "-"; each part,
// blanks trimmed, names one field. Values are joined with " - "; an empty value adds nothing,
// not even a separator, and a part that names no field counts as an empty value.
QString composeMetadataName(const QString& format,
                            const std::function<QString(const QString& label)>& lookup);

// The parts of a format that name no field, said in a sentence for the user ("\"%a_%t\" names no
// field..."), or an empty text when every part that is not empty names one. Such a part adds
// nothing to the name: literal text needs rename by template.
QString formatProblem(const QString& format);

} // namespace corvander
