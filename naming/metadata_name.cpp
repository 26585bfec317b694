#include "naming/metadata_name.h"

#include "common/text_helpers.h"

#include <QStringList>

namespace corvander {

QString metadataLabel(const QString& token) {
    static const std::pair<const char*, const char*> table[] = {
        {"%a", "Author"},      {"%t", "Title"},    {"%s", "Subject"},      {"%c", "Creator"},
        {"%p", "Producer"},    {"%k", "Keywords"}, {"%d", "CreationDate"}, {"%m", "ModDate"},
        {"%v", "PDF Version"}, {"%g", "Pages"},
    };
    for (const auto& [placeholder, label] : table) {
        if (token == QLatin1String(placeholder))
            return QString::fromLatin1(label);
    }
    return {};
}

QString composeMetadataName(const QString& format,
                            const std::function<QString(const QString& label)>& lookup) {
    const QStringList parts = format.split(QLatin1Char('-'));
    QString name;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString label = metadataLabel(trimBlanks(parts.at(i)));
        const QString value = label.isEmpty() ? QString() : lookup(label);
        name += value;
        if (i != parts.size() - 1 && !value.isEmpty())
            name += QStringLiteral(" - ");
    }
    return trimBlanks(name);
}

} // namespace corvander
