#include "naming/template/template_printer.h"

#include <QLocale>
#include <QStringList>

namespace corvander {

namespace {

QString numberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString modifierText(const Modifier& modifier) {
    switch (modifier.kind) {
    case ModifierKind::Upper:
        return QStringLiteral(":upper");
    case ModifierKind::Lower:
        return QStringLiteral(":lower");
    case ModifierKind::Title:
        return QStringLiteral(":title");
    case ModifierKind::Max:
        return QStringLiteral(":max %1").arg(modifier.count);
    }
    return {};
}

QStringList argumentsOf(const Alternative& alternative) {
    QStringList arguments;
    const auto addPage = [&] {
        if (alternative.page)
            arguments << QStringLiteral("page") << pageRefText(*alternative.page);
    };
    switch (alternative.kind) {
    case FieldKind::Words:
        arguments << (alternative.first == alternative.last
                          ? QString::number(alternative.first)
                          : QStringLiteral("%1-%2").arg(alternative.first).arg(alternative.last));
        addPage();
        break;
    case FieldKind::After:
    case FieldKind::Before:
        arguments << quoteTemplateText(alternative.text)
                  << (alternative.restOfLine ? QStringLiteral("line")
                                             : QString::number(alternative.count));
        break;
    case FieldKind::Match:
        arguments << quoteTemplateText(alternative.text);
        addPage();
        break;
    case FieldKind::Zone:
        arguments << pageRefText(alternative.page.value_or(PageRef{}))
                  << numberText(alternative.zone.x) << numberText(alternative.zone.y)
                  << numberText(alternative.zone.width) << numberText(alternative.zone.height);
        break;
    case FieldKind::Date:
        if (!alternative.text.isEmpty())
            arguments << QStringLiteral("after") << quoteTemplateText(alternative.text);
        if (!alternative.format.isEmpty())
            arguments << quoteTemplateText(alternative.format);
        if (alternative.order)
            arguments << dateOrderText(*alternative.order);
        break;
    case FieldKind::If:
        arguments << quoteTemplateText(alternative.text);
        break;
    case FieldKind::Created:
    case FieldKind::Modified:
        if (!alternative.format.isEmpty())
            arguments << quoteTemplateText(alternative.format);
        break;
    default:
        break;
    }
    return arguments;
}

// Braces in literal text are doubled; a "/" there would be a folder break, which a literal part
// never holds.
QString literalText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar character : text) {
        out += character;
        if (character == QLatin1Char('{') || character == QLatin1Char('}'))
            out += character;
    }
    return out;
}

} // namespace

QString quoteTemplateText(const QString& text) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        if (character == QLatin1Char('"')) {
            out += QStringLiteral("\\\"");
        } else if (character == QLatin1Char('\\')) {
            const bool escapeNeeded = i + 1 == text.size() || text.at(i + 1) == QLatin1Char('"') ||
                                      text.at(i + 1) == QLatin1Char('\\');
            out += escapeNeeded ? QStringLiteral("\\\\") : QStringLiteral("\\");
        } else {
            out += character;
        }
    }
    return out + QLatin1Char('"');
}

QString pageRefText(const PageRef& page) {
    return page.last ? QStringLiteral("last") : QString::number(page.number);
}

QString printAlternative(const Alternative& alternative) {
    QString out = alternative.kind == FieldKind::Literal ? quoteTemplateText(alternative.text)
                                                         : fieldKindName(alternative.kind);
    const QStringList arguments = argumentsOf(alternative);
    if (!arguments.isEmpty())
        out += QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    for (const Modifier& modifier : alternative.modifiers)
        out += modifierText(modifier);
    return out;
}

QString printField(const TemplateField& field) {
    QStringList alternatives;
    for (const Alternative& alternative : field.alternatives)
        alternatives << printAlternative(alternative);
    return QLatin1Char('{') + alternatives.join(QLatin1Char('|')) + QLatin1Char('}');
}

QString printTemplate(const Template& parsed) {
    QString out;
    for (const TemplatePart& part : parsed.parts) {
        switch (part.kind) {
        case TemplatePart::Kind::Literal:
            out += literalText(part.text);
            break;
        case TemplatePart::Kind::FolderBreak:
            out += QLatin1Char('/');
            break;
        case TemplatePart::Kind::Field:
            out += printField(part.field);
            break;
        }
    }
    return out;
}

} // namespace corvander
