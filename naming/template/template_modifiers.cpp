#include "naming/template/template_scanner.h"

namespace corvander {

namespace {

std::optional<int> modifierCount(const FieldToken& token) {
    bool ok = false;
    const int count = token.text.toInt(&ok);
    if (token.kind != FieldToken::Kind::Word || !ok || count < 1 ||
        token.text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return count;
}

} // namespace

std::optional<TemplateError> readModifiers(const QString& text, const QList<FieldToken>& tokens,
                                           const QString& field, QList<Modifier>& modifiers) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const FieldToken& token = tokens.at(i);
        if (token.kind != FieldToken::Kind::Modifier)
            return templateError(text, token.index,
                                 QStringLiteral("wrong argument \"%1\"").arg(token.text), field,
                                 QStringLiteral("arguments come before the modifiers"));
        if (token.text == QLatin1String("upper")) {
            modifiers.append({ModifierKind::Upper, 0});
        } else if (token.text == QLatin1String("lower")) {
            modifiers.append({ModifierKind::Lower, 0});
        } else if (token.text == QLatin1String("title")) {
            modifiers.append({ModifierKind::Title, 0});
        } else if (token.text == QLatin1String("max")) {
            const auto count =
                i + 1 < tokens.size() ? modifierCount(tokens.at(i + 1)) : std::optional<int>();
            if (!count)
                return templateError(text, token.index, QStringLiteral("wrong modifier :max"),
                                     field, QStringLiteral("write :max N, N from 1"));
            modifiers.append({ModifierKind::Max, *count});
            ++i;
        } else {
            return templateError(text, token.index,
                                 QStringLiteral("unknown modifier \":%1\"").arg(token.text), field,
                                 QStringLiteral("the modifiers are :upper, :lower, :title and "
                                                ":max N"));
        }
    }
    return std::nullopt;
}

} // namespace corvander
