#pragma once

#include "naming/template/template_syntax.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace corvander {

// How the learner compares the text of a name with the text of a document.

enum class Folding {
    Name,   // as a name part reads: characters a file name cannot hold removed as well
    Search, // as {if} and labels find it: every character kept
};

// A text folded for comparing: letter case folded and each run of white space one blank, and
// for Folding::Name the characters that cleaning removes from a name left out. `origin` holds,
// for each character of `text`, the index in the source text it came from.
struct FoldedText {
    QString text;
    QList<qsizetype> origin;
};

FoldedText foldText(QStringView text, Folding folding);
QString foldedForm(QStringView text, Folding folding);

// A value as it reads in a name: cleaned like a name part, each run of blanks one blank, but the
// blanks at its ends kept, since they would show between the value and its neighbours.
QString nameForm(const QString& value);

// The modifiers that make `value` read exactly as `wanted` in a name: none when it already does,
// or one of :upper, :lower, :title; nothing when no modifier does.
std::optional<QList<Modifier>> modifiersFor(const QString& value, const QString& wanted);

// A name part cut where the learner may begin or end a piece: runs of letters and digits, runs
// of blanks, and each other sign on its own.
struct NameToken {
    enum class Kind { Word, Blank, Sign };
    Kind kind = Kind::Word;
    qsizetype start = 0;
    qsizetype end = 0;
    bool digits = false; // a Word with a digit in it
};

QList<NameToken> nameTokens(const QString& part);

// Whether cleaning leaves the character out of a name (":", "/", "?", controls, ...).
bool removedFromNames(QChar character);

bool hasDigit(QStringView text);
bool hasLetter(QStringView text);
// The runs of letters and digits of a folded text.
QList<QStringView> wordRuns(QStringView text);

} // namespace corvander
