#pragma once

#include "naming/template/template_syntax.h"

#include <QString>

#include <optional>

namespace corvander {

// What is wrong with a template's text, and where.
struct TemplateError {
    // For people: the problem, the field as written and the character position, e.g.
    // "unknown field name "wrods" in {wrods 1-2} at character 2".
    QString message;
    qsizetype index = -1; // where, as an index into the template's text (for a text box's cursor)
    int position = 0;     // where, as a character count from 1 (as the message says)
};

struct TemplateParse {
    Template parsed;
    std::optional<TemplateError> error; // when set, `parsed` means nothing

    bool ok() const { return !error.has_value(); }
};

// Reads a template: literal text, "{{" and "}}" for braces, fields in braces, "/" between folder
// parts. Refuses a template that begins with "/", a folder part that is "." or "..", an unknown
// field name or modifier, a wrong or missing argument, an unbalanced brace or quote, a regular
// expression that does not compile and a date FORMAT that is not acceptable.
TemplateParse parseTemplate(const QString& text);

} // namespace corvander
