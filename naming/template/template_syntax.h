#pragma once

#include "naming/template/dates.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace corvander {

// A name template in its parsed form: plain data, so that code can build templates as well as
// read them from text (printTemplate writes them back).

enum class FieldKind {
    Literal, // a quoted text, "untitled"; "" is the empty value
    Words,
    After,
    Before,
    Match,
    Zone,
    Date,
    If,
    Author,
    Title,
    Subject,
    Creator,
    Producer,
    Keywords,
    Created,
    Modified,
    Version,
    Pages,
    File,
    Folder,
};

// A page of the document: a number from 1, or the last page whatever its number.
struct PageRef {
    int number = 1;
    bool last = false;

    bool operator==(const PageRef&) const = default;
    static PageRef lastPage() { return {0, true}; }
};

enum class ModifierKind { Upper, Lower, Title, Max };

struct Modifier {
    ModifierKind kind = ModifierKind::Upper;
    int count = 0; // Max: at most this many characters (code points)

    bool operator==(const Modifier&) const = default;
};

// A rectangle of a page in points, its top-left corner measured from the page's top-left corner.
struct ZoneRect {
    double x = 0, y = 0, width = 0, height = 0;

    bool operator==(const ZoneRect&) const = default;
};

// One alternative of a field. Only the members its kind uses mean anything; the others keep their
// defaults, so that two equal alternatives compare equal.
struct Alternative {
    FieldKind kind = FieldKind::Literal;
    // Literal: its text. After, Before, If: the text searched for. Match: the regular expression.
    // Date: the text the date comes after (empty: anywhere in the text).
    QString text;
    int first = 0, last = 0;     // Words: A-B (A and B equal for a single word)
    int count = 0;               // After, Before: N words
    bool restOfLine = false;     // After: the rest of the line instead of N words
    std::optional<PageRef> page; // Words, Match: one page (nothing: the whole text); Zone: its page
    ZoneRect zone;
    QString format;                 // Date, Created, Modified: FORMAT; empty: %Y-%m-%d
    std::optional<DateOrder> order; // Date: day-month order of this field; nothing: the run's
    QList<Modifier> modifiers;      // applied left to right

    bool operator==(const Alternative&) const = default;
};

struct TemplateField {
    QList<Alternative> alternatives;
    // The field as it stands in the template's text, braces included; empty for a field built in
    // code, which is then named by its printed form (fieldText).
    QString written;

    // How a field was written does not make it another field.
    bool operator==(const TemplateField& other) const { return alternatives == other.alternatives; }
};

struct TemplatePart {
    enum class Kind { Literal, FolderBreak, Field };

    Kind kind = Kind::Literal;
    QString text; // Literal: the text as it reads ("{" where the template has "{{"); never a "/"
    TemplateField field;

    bool operator==(const TemplatePart&) const = default;
    static TemplatePart literal(const QString& text) { return {Kind::Literal, text, {}}; }
    static TemplatePart folderBreak() { return {Kind::FolderBreak, {}, {}}; }
    static TemplatePart ofField(const TemplateField& field) { return {Kind::Field, {}, field}; }
};

struct Template {
    QList<TemplatePart> parts;

    bool operator==(const Template&) const = default;
};

// The name a template writes for a kind ("words", "after", "title"); empty for Literal.
QString fieldKindName(FieldKind kind);
std::optional<FieldKind> fieldKindFromName(QStringView name);

// The kinds whose value is one entry of the document information, and that entry's label as
// rename by metadata looks it up ("Title", "CreationDate", "PDF Version").
bool isInformationKind(FieldKind kind);
QString informationLabel(FieldKind kind);

// The field as a message names it: as written, or else as printed.
QString fieldText(const TemplateField& field);

} // namespace corvander
