#include "naming/template/template_scanner.h"

namespace corvander {

namespace {

bool isFieldBlank(QChar character) {
    return character == QLatin1Char(' ') || character == QLatin1Char('\t');
}

// Ends a bare word: a blank, or a character with a meaning of its own inside a field.
bool endsWord(QChar character) {
    return isFieldBlank(character) || character == QLatin1Char('"') ||
           character == QLatin1Char('|') || character == QLatin1Char(':') ||
           character == QLatin1Char('{') || character == QLatin1Char('}');
}

// A field that runs to the end of the text is named by its beginning only.
QString fieldSoFar(const QString& text, qsizetype open) {
    constexpr qsizetype kShown = 40;
    const QString field = text.mid(open);
    return field.size() <= kShown ? field : field.left(kShown) + QStringLiteral("...");
}

int characterPosition(const QString& text, qsizetype index) {
    int position = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        // The second half of a surrogate pair is not a character of its own.
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            ++position;
    }
    return position;
}

} // namespace

TemplateError templateError(const QString& text, qsizetype index, const QString& problem,
                            const QString& field, const QString& hint) {
    TemplateError error;
    error.index = index;
    error.position = characterPosition(text, index);
    error.message = problem;
    if (!field.isEmpty())
        error.message += QStringLiteral(" in ") + field;
    error.message += QStringLiteral(" at character %1").arg(error.position);
    if (!hint.isEmpty())
        error.message += QStringLiteral(": ") + hint;
    return error;
}

FieldScan scanField(const QString& text, qsizetype open) {
    FieldScan scan;
    qsizetype i = open + 1;
    const qsizetype size = text.size();
    while (i < size) {
        const QChar character = text.at(i);
        if (isFieldBlank(character)) {
            ++i;
        } else if (character == QLatin1Char('}')) {
            scan.close = i;
            return scan;
        } else if (character == QLatin1Char('{')) {
            scan.error =
                templateError(text, i, QStringLiteral("unbalanced brace"), fieldSoFar(text, open),
                              QStringLiteral("a field cannot hold \"{\" outside quotes"));
            return scan;
        } else if (character == QLatin1Char('|')) {
            scan.tokens.append({FieldToken::Kind::Bar, QStringLiteral("|"), i});
            ++i;
        } else if (character == QLatin1Char('"')) {
            FieldToken token{FieldToken::Kind::Quoted, {}, i};
            qsizetype at = i + 1;
            bool closed = false;
            while (at < size) {
                const QChar inside = text.at(at);
                if (inside == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                // Only \" and \\ are escapes; any other backslash is kept for the expression.
                if (inside == QLatin1Char('\\') && at + 1 < size &&
                    (text.at(at + 1) == QLatin1Char('"') || text.at(at + 1) == QLatin1Char('\\'))) {
                    token.text += text.at(at + 1);
                    at += 2;
                    continue;
                }
                token.text += inside;
                ++at;
            }
            if (!closed) {
                scan.error = templateError(text, i, QStringLiteral("unbalanced quote"),
                                           fieldSoFar(text, open),
                                           QStringLiteral("this quote is never closed"));
                return scan;
            }
            scan.tokens.append(token);
            i = at + 1;
        } else if (character == QLatin1Char(':')) {
            qsizetype end = i + 1;
            while (end < size && !endsWord(text.at(end)))
                ++end;
            scan.tokens.append({FieldToken::Kind::Modifier, text.mid(i + 1, end - i - 1), i});
            i = end;
        } else {
            qsizetype end = i;
            while (end < size && !endsWord(text.at(end)))
                ++end;
            scan.tokens.append({FieldToken::Kind::Word, text.mid(i, end - i), i});
            i = end;
        }
    }
    scan.error =
        templateError(text, open, QStringLiteral("unbalanced brace"), fieldSoFar(text, open),
                      QStringLiteral("no \"}\" closes this field"));
    return scan;
}

} // namespace corvander
