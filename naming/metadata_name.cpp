#include "naming/metadata_name.h"

#include "common/text_helpers.h"

#include <QCoreApplication>
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

QString formatProblem(const QString& format) {
    QStringList unnamed;
    for (const QString& part : format.split(QLatin1Char('-'))) {
        const QString token = trimBlanks(part);
        if (!token.isEmpty() && metadataLabel(token).isEmpty())
            unnamed << QLatin1Char('"') + token + QLatin1Char('"');
    }
    if (unnamed.isEmpty())
        return {};
    if (unnamed.size() == 1)
        return QCoreApplication::translate(
                   "corvander::MetadataName",
                   "The format part %1 names no field and adds nothing to the name: each part "
                   "between hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text "
                   "needs \"Rename by template\".")
            .arg(unnamed.first());
    return QCoreApplication::translate(
               "corvander::MetadataName",
               "The format parts %1 name no field and add nothing to the name: each part between "
               "hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text needs "
               "\"Rename by template\".")
        .arg(unnamed.join(QStringLiteral(", ")));
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
