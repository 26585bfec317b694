#include "common/name_filter.h"

#include <QRegularExpression>

namespace corvander {

namespace {

struct ParsedFilter {
    QString name; // up to and including the opening bracket; empty without brackets
    QStringList patterns;
};

ParsedFilter parse(const QString& filter) {
    const QString trimmed = filter.trimmed();
    const qsizetype open = trimmed.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !trimmed.endsWith(QLatin1Char(')')))
        return {QString(), trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts)};
    const QString inside = trimmed.mid(open + 1, trimmed.size() - open - 2);
    return {trimmed.left(open + 1), inside.split(QLatin1Char(' '), Qt::SkipEmptyParts)};
}

QString anyCasePattern(const QString& pattern) {
    QString result;
    bool inBracket = false;
    for (const QChar c : pattern) {
        if (inBracket) {
            result += c;
            inBracket = c != QLatin1Char(']');
            continue;
        }
        if (c == QLatin1Char('[')) {
            inBracket = true;
            result += c;
            continue;
        }
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            result += c;
        else
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
    }
    return result;
}

} // namespace

QStringList nameFilterPatterns(const QString& filter) {
    return parse(filter).patterns;
}

bool matchesNameFilter(const QString& filter, const QString& fileName) {
    for (const QString& pattern : nameFilterPatterns(filter)) {
        if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive)
                .match(fileName)
                .hasMatch())
            return true;
    }
    return false;
}

QString anyCaseNameFilter(const QString& filter) {
    const ParsedFilter parsed = parse(filter);
    QStringList patterns;
    for (const QString& pattern : parsed.patterns)
        patterns << anyCasePattern(pattern);
    if (parsed.name.isEmpty())
        return patterns.join(QLatin1Char(' '));
    return parsed.name + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace corvander
