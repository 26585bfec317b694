#pragma once

#include "naming/template/template_syntax.h"

#include <QString>

namespace corvander {

// The canonical text of a template: reading it back gives the same template. Arguments come in
// the order the field table lists them, modifiers are attached to the last argument
// ("{before "SARL" 1:upper}"), and a quoted text escapes only what it must. A template built in
// code reads back the same when it has, as a read one has, no empty literal part and no two
// literal parts in a row.
QString printTemplate(const Template& parsed);
QString printField(const TemplateField& field);
QString printAlternative(const Alternative& alternative);

// A text between double quotes, written so that the template reader gives it back: a quote as
// \", a backslash as \\ where it would otherwise be read as an escape, any other backslash as it
// stands (so "No\. (\d+)" stays readable).
QString quoteTemplateText(const QString& text);

// A page as templates write it: "3" or "last".
QString pageRefText(const PageRef& page);

} // namespace corvander
