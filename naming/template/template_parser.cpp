#include "naming/template/template_parser.h"

#include "naming/template/name_parts.h"
#include "naming/template/template_scanner.h"

namespace corvander {

namespace {

// Reads the field whose "{" stands at `open`; `close` is set to its "}".
std::optional<TemplateError> readField(const QString& text, qsizetype open, TemplateField& field,
                                       qsizetype& close) {
    FieldScan scan = scanField(text, open);
    if (scan.error)
        return scan.error;
    close = scan.close;
    field.written = text.mid(open, close - open + 1);
    // Split at the bars; an alternative with nothing in it is an error, as in "{title|}".
    QList<FieldToken> tokens;
    scan.tokens.append({FieldToken::Kind::Bar, {}, close});
    for (const FieldToken& token : std::as_const(scan.tokens)) {
        if (token.kind != FieldToken::Kind::Bar) {
            tokens.append(token);
            continue;
        }
        if (tokens.isEmpty())
            return templateError(text, token.index, QStringLiteral("empty alternative"),
                                 field.written,
                                 QStringLiteral("write \"\" for a field that may be empty"));
        Alternative alternative;
        if (auto error = readAlternative(text, tokens, field.written, alternative))
            return error;
        field.alternatives.append(alternative);
        tokens.clear();
    }
    return std::nullopt;
}

// A folder part of literal text alone that is "." or ".." once cleaned would not be a folder of
// its own (".." would even lead out of the results folder).
std::optional<TemplateError> checkFolders(const QString& text, const Template& parsed,
                                          const QList<qsizetype>& partStarts) {
    qsizetype folderFrom = 0;
    for (qsizetype i = 0; i < parsed.parts.size(); ++i) {
        if (parsed.parts.at(i).kind != TemplatePart::Kind::FolderBreak)
            continue;
        if (i == 0)
            return templateError(text, 0, QStringLiteral("a template cannot begin with \"/\""));
        QString folder;
        bool literalOnly = true;
        for (qsizetype part = folderFrom; part < i; ++part) {
            literalOnly = literalOnly && parsed.parts.at(part).kind == TemplatePart::Kind::Literal;
            folder += parsed.parts.at(part).text;
        }
        folder = cleanNamePart(folder);
        if (literalOnly && !folder.isEmpty() && isVoidFolderPart(folder))
            return templateError(text, partStarts.at(folderFrom),
                                 QStringLiteral("folder part \"%1\"").arg(folder), {},
                                 QStringLiteral("a folder part cannot be \".\" or \"..\""));
        folderFrom = i + 1;
    }
    return std::nullopt;
}

} // namespace

TemplateParse parseTemplate(const QString& text) {
    TemplateParse result;
    QList<TemplatePart>& parts = result.parsed.parts;
    QList<qsizetype> partStarts;
    const auto addLiteral = [&](const QString& characters, qsizetype at) {
        if (parts.isEmpty() || parts.last().kind != TemplatePart::Kind::Literal) {
            parts.append(TemplatePart::literal({}));
            partStarts.append(at);
        }
        parts.last().text += characters;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar character = text.at(i);
        const bool doubled = i + 1 < text.size() && text.at(i + 1) == character;
        if (character == QLatin1Char('{') && !doubled) {
            TemplateField field;
            qsizetype close = -1;
            if (auto error = readField(text, i, field, close)) {
                result.error = error;
                return result;
            }
            parts.append(TemplatePart::ofField(field));
            partStarts.append(i);
            i = close + 1;
        } else if (character == QLatin1Char('}') && !doubled) {
            result.error = templateError(text, i, QStringLiteral("unbalanced brace"), {},
                                         QStringLiteral("\"}\" closes no field; write \"}}\" for "
                                                        "a brace"));
            return result;
        } else if (character == QLatin1Char('{') || character == QLatin1Char('}')) {
            addLiteral(character, i);
            i += 2;
        } else if (character == QLatin1Char('/')) {
            parts.append(TemplatePart::folderBreak());
            partStarts.append(i);
            ++i;
        } else {
            addLiteral(character, i);
            ++i;
        }
    }
    result.error = checkFolders(text, result.parsed, partStarts);
    return result;
}

} // namespace corvander
