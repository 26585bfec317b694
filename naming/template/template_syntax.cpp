#include "naming/template/template_syntax.h"

#include "naming/metadata_name.h"
#include "naming/template/template_printer.h"

namespace corvander {

namespace {

struct KindName {
    FieldKind kind;
    const char* name;
    const char* placeholder; // the rename by metadata placeholder whose entry it reads
};

constexpr KindName kKinds[] = {
    {FieldKind::Words, "words", nullptr},    {FieldKind::After, "after", nullptr},
    {FieldKind::Before, "before", nullptr},  {FieldKind::Match, "match", nullptr},
    {FieldKind::Zone, "zone", nullptr},      {FieldKind::Date, "date", nullptr},
    {FieldKind::If, "if", nullptr},          {FieldKind::Author, "author", "%a"},
    {FieldKind::Title, "title", "%t"},       {FieldKind::Subject, "subject", "%s"},
    {FieldKind::Creator, "creator", "%c"},   {FieldKind::Producer, "producer", "%p"},
    {FieldKind::Keywords, "keywords", "%k"}, {FieldKind::Created, "created", "%d"},
    {FieldKind::Modified, "modified", "%m"}, {FieldKind::Version, "version", "%v"},
    {FieldKind::Pages, "pages", "%g"},       {FieldKind::File, "file", nullptr},
    {FieldKind::Folder, "folder", nullptr},
};

const KindName* entryOf(FieldKind kind) {
    for (const KindName& entry : kKinds) {
        if (entry.kind == kind)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString fieldKindName(FieldKind kind) {
    const KindName* entry = entryOf(kind);
    return entry == nullptr ? QString() : QString::fromLatin1(entry->name);
}

std::optional<FieldKind> fieldKindFromName(QStringView name) {
    for (const KindName& entry : kKinds) {
        if (name == QLatin1String(entry.name))
            return entry.kind;
    }
    return std::nullopt;
}

bool isInformationKind(FieldKind kind) {
    const KindName* entry = entryOf(kind);
    return entry != nullptr && entry->placeholder != nullptr;
}

QString informationLabel(FieldKind kind) {
    const KindName* entry = entryOf(kind);
    if (entry == nullptr || entry->placeholder == nullptr)
        return {};
    return metadataLabel(QString::fromLatin1(entry->placeholder));
}

QString fieldText(const TemplateField& field) {
    return field.written.isEmpty() ? printField(field) : field.written;
}

} // namespace corvander
