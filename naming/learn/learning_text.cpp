#include "naming/learn/learning_text.h"

#include "naming/clean_name.h"
#include "naming/template/field_evaluation.h"
#include "naming/template/template_text.h"

namespace corvander {

namespace {

bool isRunCharacter(QChar character) {
    return character.isLetterOrNumber() || character.isMark();
}

} // namespace

// Only what is not plain ASCII asks the cleaning rule itself.
bool removedFromNames(QChar character) {
    const char16_t code = character.unicode();
    if (code >= 0x20 && code < 0x7f) {
        switch (code) {
        case u'/':
        case u'\\':
        case u'*':
        case u':':
        case u'?':
        case u'<':
        case u'>':
        case u'|':
            return true;
        default:
            return false;
        }
    }
    return CleanName(QString(character), false).isEmpty();
}

FoldedText foldText(QStringView text, Folding folding) {
    FoldedText folded;
    folded.text.reserve(text.size());
    folded.origin.reserve(text.size());
    bool blank = true; // no blank at the start
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (isTemplateSpace(character)) {
            if (!blank) {
                folded.text += QLatin1Char(' ');
                folded.origin << at;
            }
            blank = true;
            continue;
        }
        if (folding == Folding::Name && removedFromNames(character))
            continue;
        folded.text += QChar(QChar::toCaseFolded(character.unicode()));
        folded.origin << at;
        blank = false;
    }
    if (folded.text.endsWith(QLatin1Char(' '))) {
        folded.text.chop(1);
        folded.origin.removeLast();
    }
    return folded;
}

QString foldedForm(QStringView text, Folding folding) {
    return foldText(text, folding).text;
}

QString nameForm(const QString& value) {
    const QString cleaned = CleanName(value, false);
    QString out;
    out.reserve(cleaned.size());
    for (const QChar character : cleaned) {
        if (character == QLatin1Char(' ') && out.endsWith(QLatin1Char(' ')))
            continue;
        out += character;
    }
    return out;
}

std::optional<QList<Modifier>> modifiersFor(const QString& value, const QString& wanted) {
    const QString form = nameForm(value);
    if (form == wanted)
        return QList<Modifier>{};
    for (const ModifierKind kind :
         {ModifierKind::Upper, ModifierKind::Lower, ModifierKind::Title}) {
        const QList<Modifier> modifiers{Modifier{kind, 0}};
        if (applyModifiers(form, modifiers) == wanted)
            return modifiers;
    }
    return std::nullopt;
}

QList<NameToken> nameTokens(const QString& part) {
    QList<NameToken> tokens;
    qsizetype at = 0;
    while (at < part.size()) {
        NameToken token;
        token.start = at;
        const QChar character = part.at(at);
        if (character == QLatin1Char(' ')) {
            token.kind = NameToken::Kind::Blank;
            while (at < part.size() && part.at(at) == QLatin1Char(' '))
                ++at;
        } else if (isRunCharacter(character)) {
            while (at < part.size() && isRunCharacter(part.at(at)))
                ++at;
            token.digits = hasDigit(QStringView(part).mid(token.start, at - token.start));
        } else {
            token.kind = NameToken::Kind::Sign;
            // A character outside the Basic Multilingual Plane stays whole.
            at += character.isHighSurrogate() && at + 1 < part.size() ? 2 : 1;
        }
        token.end = at;
        tokens << token;
    }
    return tokens;
}

bool hasDigit(QStringView text) {
    for (const QChar character : text) {
        if (character.isDigit())
            return true;
    }
    return false;
}

bool hasLetter(QStringView text) {
    for (const QChar character : text) {
        if (character.isLetter())
            return true;
    }
    return false;
}

QList<QStringView> wordRuns(QStringView text) {
    QList<QStringView> runs;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && !isRunCharacter(text.at(at)))
            ++at;
        const qsizetype start = at;
        while (at < text.size() && isRunCharacter(text.at(at)))
            ++at;
        if (at > start)
            runs << text.mid(start, at - start);
    }
    return runs;
}

} // namespace corvander
