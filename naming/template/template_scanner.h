#pragma once

#include "naming/template/template_parser.h"

#include <QList>
#include <QString>

#include <optional>

// The pieces the template reader is made of; nothing outside it needs them.

namespace corvander {

// One piece of a field between its braces.
struct FieldToken {
    enum class Kind {
        Word,     // a bare argument or name: "words", "1-2", "last", "10.5"
        Quoted,   // a quoted text, its escapes undone
        Bar,      // "|" between alternatives
        Modifier, // ":upper", text "upper"
    };
    Kind kind = Kind::Word;
    QString text;
    qsizetype index = -1; // where it begins in the template's text
};

struct FieldScan {
    QList<FieldToken> tokens;
    qsizetype close = -1; // the index of the closing "}"
    std::optional<TemplateError> error;
};

// Reads the field whose "{" stands at `open`, up to its closing "}".
FieldScan scanField(const QString& text, qsizetype open);

// An error at `index` of the template's text: "PROBLEM in FIELD at character N: HINT", each part
// only when given.
TemplateError templateError(const QString& text, qsizetype index, const QString& problem,
                            const QString& field = {}, const QString& hint = {});

// One alternative read from its tokens (the field's tokens between two bars), or what is wrong.
std::optional<TemplateError> readAlternative(const QString& text, const QList<FieldToken>& tokens,
                                             const QString& field, Alternative& alternative);

// The modifiers that follow an alternative's arguments, each token beginning with ":".
std::optional<TemplateError> readModifiers(const QString& text, const QList<FieldToken>& tokens,
                                           const QString& field, QList<Modifier>& modifiers);

} // namespace corvander
