#include "naming/template/template_scanner.h"

#include <QRegularExpression>

// Reading one alternative of a field: its name, its arguments (in any order where the field takes
// several) and its modifiers.

namespace corvander {

namespace {

using Tokens = QList<FieldToken>;

std::optional<int> positiveNumber(const FieldToken& token) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (token.kind != FieldToken::Kind::Word || !digits.match(token.text).hasMatch())
        return std::nullopt;
    const int number = token.text.toInt();
    return number >= 1 ? std::optional<int>(number) : std::nullopt;
}

std::optional<double> pointsOf(const FieldToken& token) {
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,6}(\\.[0-9]{1,6})?$"));
    if (token.kind != FieldToken::Kind::Word || !decimal.match(token.text).hasMatch())
        return std::nullopt;
    return token.text.toDouble();
}

std::optional<PageRef> pageOf(const FieldToken& token) {
    if (token.kind == FieldToken::Kind::Word && token.text == QLatin1String("last"))
        return PageRef::lastPage();
    if (const auto number = positiveNumber(token))
        return PageRef{*number, false};
    return std::nullopt;
}

QString wrongArgument(const FieldToken& token) {
    return QStringLiteral("wrong argument \"%1\"").arg(token.text);
}

// "N" or "A-B", counted from 1, A not after B.
bool readRange(const FieldToken& token, Alternative& alternative) {
    static const QRegularExpression range(QStringLiteral("^([0-9]{1,9})(?:-([0-9]{1,9}))?$"));
    const QRegularExpressionMatch match = range.match(token.text);
    if (token.kind != FieldToken::Kind::Word || !match.hasMatch())
        return false;
    alternative.first = match.captured(1).toInt();
    alternative.last = match.hasCaptured(2) ? match.captured(2).toInt() : alternative.first;
    return alternative.first >= 1 && alternative.last >= alternative.first;
}

bool isWord(const FieldToken& token, const char* word) {
    return token.kind == FieldToken::Kind::Word && token.text == QLatin1String(word);
}

QString usageOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Words:
        return QStringLiteral("write words A-B or words N (counted from 1), then page P if wanted");
    case FieldKind::After:
        return QStringLiteral("write after \"TEXT\" N or after \"TEXT\" line");
    case FieldKind::Before:
        return QStringLiteral("write before \"TEXT\" N");
    case FieldKind::Match:
        return QStringLiteral("write match \"REGEX\", then page P if wanted");
    case FieldKind::Zone:
        return QStringLiteral("write zone P X Y W H, the page then four numbers of points");
    case FieldKind::Date:
        return QStringLiteral("date takes after \"TEXT\", a \"FORMAT\" and dmy, mdy or ymd, "
                              "each at most once");
    case FieldKind::If:
        return QStringLiteral("write if \"TEXT\"");
    case FieldKind::Created:
    case FieldKind::Modified:
        return QStringLiteral("%1 takes a \"FORMAT\" at most").arg(fieldKindName(kind));
    case FieldKind::Literal:
        return QStringLiteral("a quoted text takes no arguments");
    default:
        return QStringLiteral("%1 takes no arguments").arg(fieldKindName(kind));
    }
}

class ArgumentReader {
public:
    ArgumentReader(const QString& text, const QString& field, const FieldToken& head,
                   Alternative& alternative)
        : m_text(text), m_field(field), m_head(head), m_alternative(alternative) {}

    std::optional<TemplateError> read(const Tokens& arguments);

private:
    TemplateError wrong(const FieldToken& token, const QString& hint = {}) const {
        return templateError(m_text, token.index, wrongArgument(token), m_field,
                             hint.isEmpty() ? usageOf(m_alternative.kind) : hint);
    }
    TemplateError missing() const {
        return templateError(m_text, m_head.index, QStringLiteral("missing argument"), m_field,
                             usageOf(m_alternative.kind));
    }
    // A search text, an expression or a format: quoted and not empty.
    std::optional<TemplateError> quoted(const FieldToken& token, bool& seen, QString& into) const {
        if (token.kind != FieldToken::Kind::Quoted || seen)
            return wrong(token);
        if (token.text.isEmpty())
            return wrong(token, QStringLiteral("the quoted text is empty"));
        seen = true;
        into = token.text;
        return std::nullopt;
    }
    std::optional<TemplateError> format(const FieldToken& token, bool& seen) const {
        if (auto error = quoted(token, seen, m_alternative.format))
            return error;
        const QString problem = dateFormatProblem(token.text);
        if (problem.isEmpty())
            return std::nullopt;
        return templateError(m_text, token.index, QStringLiteral("bad date format"), m_field,
                             problem);
    }

    const QString& m_text;
    const QString& m_field;
    const FieldToken& m_head;
    Alternative& m_alternative;
};

std::optional<TemplateError> ArgumentReader::read(const Tokens& arguments) {
    Alternative& alt = m_alternative;
    bool textSeen = false, countSeen = false, formatSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const FieldToken& token = arguments.at(i);
        const FieldToken* next = i + 1 < arguments.size() ? &arguments.at(i + 1) : nullptr;
        std::optional<TemplateError> error;
        switch (alt.kind) {
        case FieldKind::Words:
        case FieldKind::Match:
            if (isWord(token, "page")) {
                if (next == nullptr)
                    return missing();
                if (alt.page || !pageOf(*next))
                    return wrong(alt.page ? token : *next);
                alt.page = pageOf(*next);
                ++i;
            } else if (alt.kind == FieldKind::Match) {
                error = quoted(token, textSeen, alt.text);
            } else {
                if (countSeen || !readRange(token, alt))
                    return wrong(token);
                countSeen = true;
            }
            break;
        case FieldKind::After:
        case FieldKind::Before:
            if (token.kind == FieldToken::Kind::Quoted) {
                error = quoted(token, textSeen, alt.text);
            } else if (!countSeen && alt.kind == FieldKind::After && isWord(token, "line")) {
                alt.restOfLine = countSeen = true;
            } else if (!countSeen && positiveNumber(token)) {
                alt.count = *positiveNumber(token);
                countSeen = true;
            } else {
                return wrong(token);
            }
            break;
        case FieldKind::Zone: {
            if (i >= 5)
                return wrong(token);
            if (i == 0) {
                if (!pageOf(token))
                    return wrong(token);
                alt.page = pageOf(token);
                break;
            }
            const auto points = pointsOf(token);
            if (!points)
                return wrong(token, QStringLiteral("X Y W H are points, numbers such as 72 or "
                                                   "72.5"));
            double* const targets[] = {&alt.zone.x, &alt.zone.y, &alt.zone.width, &alt.zone.height};
            *targets[i - 1] = *points;
            countSeen = i == 4;
            break;
        }
        case FieldKind::Date:
            if (isWord(token, "after")) {
                if (textSeen || next == nullptr)
                    return next == nullptr ? missing() : wrong(token);
                error = quoted(*next, textSeen, alt.text);
                ++i;
            } else if (token.kind == FieldToken::Kind::Quoted) {
                error = format(token, formatSeen);
            } else if (!alt.order && dateOrderFromText(token.text)) {
                alt.order = dateOrderFromText(token.text);
            } else {
                return wrong(token);
            }
            break;
        case FieldKind::If:
            error = quoted(token, textSeen, alt.text);
            break;
        case FieldKind::Created:
        case FieldKind::Modified:
            error = format(token, formatSeen);
            break;
        default:
            return wrong(token);
        }
        if (error)
            return error;
    }
    const bool complete = [&] {
        switch (alt.kind) {
        case FieldKind::Words:
        case FieldKind::Zone:
            return countSeen;
        case FieldKind::After:
        case FieldKind::Before:
            return textSeen && countSeen;
        case FieldKind::Match:
        case FieldKind::If:
            return textSeen;
        default:
            return true;
        }
    }();
    if (!complete)
        return missing();
    if (alt.kind == FieldKind::Match) {
        const QRegularExpression expression(alt.text, QRegularExpression::MultilineOption);
        if (!expression.isValid())
            return templateError(m_text, arguments.first().index,
                                 QStringLiteral("regular expression that does not compile"),
                                 m_field,
                                 QStringLiteral("%1 at character %2 of the expression")
                                     .arg(expression.errorString())
                                     .arg(expression.patternErrorOffset() + 1));
    }
    return std::nullopt;
}

} // namespace

std::optional<TemplateError> readAlternative(const QString& text, const Tokens& tokens,
                                             const QString& field, Alternative& alternative) {
    const FieldToken& head = tokens.first();
    qsizetype modifiersFrom = 1;
    while (modifiersFrom < tokens.size() &&
           tokens.at(modifiersFrom).kind != FieldToken::Kind::Modifier)
        ++modifiersFrom;
    const Tokens arguments = tokens.mid(1, modifiersFrom - 1);

    alternative = {};
    if (head.kind == FieldToken::Kind::Quoted) {
        alternative.kind = FieldKind::Literal;
        alternative.text = head.text;
    } else if (head.kind == FieldToken::Kind::Modifier) {
        return templateError(text, head.index, QStringLiteral("missing field name"), field,
                             QStringLiteral("a modifier follows a field name or a quoted text"));
    } else {
        const auto kind = fieldKindFromName(head.text);
        if (!kind)
            return templateError(text, head.index,
                                 QStringLiteral("unknown field name \"%1\"").arg(head.text), field);
        alternative.kind = *kind;
    }
    ArgumentReader reader(text, field, head, alternative);
    if (auto error = reader.read(arguments))
        return error;
    return readModifiers(text, tokens.mid(modifiersFrom), field, alternative.modifiers);
}

} // namespace corvander
