#include "naming/template/field_evaluation.h"

#include "naming/template/field_kinds.h"

namespace corvander {

namespace {

// Each word's first letter: its first character when that is a letter, or the first letter
// after the signs that open it ("(hello" gives "(Hello"); a word that begins with a digit
// ("2nd") keeps its letters as they are.
QString titleCase(const QString& value) {
    QList<uint> codes = value.toUcs4();
    bool wordStart = true;
    for (uint& code : codes) {
        const char32_t character = code;
        if (QChar::isSpace(character)) {
            wordStart = true;
            continue;
        }
        if (!wordStart)
            continue;
        if (QChar::isLetter(character)) {
            code = QChar::toUpper(character);
            wordStart = false;
        } else if (QChar::isDigit(character)) {
            wordStart = false;
        }
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size());
}

QString atMost(const QString& value, int count) {
    qsizetype at = 0;
    for (int taken = 0; taken < count && at < value.size(); ++taken)
        at += value.at(at).isHighSurrogate() && at + 1 < value.size() ? 2 : 1;
    QString cut = value.left(at);
    while (!cut.isEmpty() && isTemplateSpace(cut.back()))
        cut.chop(1);
    return cut;
}

} // namespace

QString applyModifiers(const QString& value, const QList<Modifier>& modifiers) {
    QString out = value;
    for (const Modifier& modifier : modifiers) {
        switch (modifier.kind) {
        case ModifierKind::Upper:
            out = out.toUpper();
            break;
        case ModifierKind::Lower:
            out = out.toLower();
            break;
        case ModifierKind::Title:
            out = titleCase(out);
            break;
        case ModifierKind::Max:
            out = atMost(out, modifier.count);
            break;
        }
    }
    return out;
}

const QRegularExpression& FieldEvaluator::searchFor(const QString& text) const {
    auto found = m_searches.find(text);
    if (found == m_searches.end())
        found = m_searches.insert(text, searchExpression(text));
    return *found;
}

const QRegularExpression& FieldEvaluator::patternFor(const QString& expression) const {
    auto found = m_patterns.find(expression);
    if (found == m_patterns.end())
        found = m_patterns.insert(
            expression, QRegularExpression(expression, QRegularExpression::MultilineOption));
    return *found;
}

std::optional<FieldResult> FieldEvaluator::evaluate(const Alternative& alternative,
                                                    const PreparedDocument& document) const {
    std::optional<FieldResult> result;
    switch (alternative.kind) {
    case FieldKind::Literal:
        result = FieldResult{alternative.text, QStringLiteral("literal text")};
        break;
    case FieldKind::Words:
        result = wordsField(alternative, document);
        break;
    case FieldKind::After:
    case FieldKind::Before:
        result = besideField(alternative, document, searchFor(alternative.text));
        break;
    case FieldKind::If:
        result = ifField(alternative, document, searchFor(alternative.text));
        break;
    case FieldKind::Match:
        result = matchField(alternative, document, patternFor(alternative.text));
        break;
    case FieldKind::Zone:
        result = zoneField(alternative, document);
        break;
    case FieldKind::Date:
        result = dateField(alternative, document, m_dates, alternative.order.value_or(m_dateOrder),
                           alternative.text.isEmpty() ? nullptr : &searchFor(alternative.text));
        break;
    case FieldKind::File:
    case FieldKind::Folder:
        result = fileField(alternative, document);
        break;
    default:
        result = informationField(alternative, document);
        break;
    }
    if (result)
        result->value = applyModifiers(result->value, alternative.modifiers);
    return result;
}

std::optional<FieldResult> FieldEvaluator::evaluate(const TemplateField& field,
                                                    const PreparedDocument& document) const {
    for (const Alternative& alternative : field.alternatives) {
        if (auto result = evaluate(alternative, document))
            return result;
    }
    return std::nullopt;
}

} // namespace corvander
