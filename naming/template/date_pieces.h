#pragma once

#include <QDate>
#include <QRegularExpressionMatch>
#include <QString>
#include <QStringView>

#include <span>

// What a found date is made of, and the FORMAT that writes it again as it stands.
namespace corvander {

// The year, month or day of a date where it stands in the text, and the FORMAT directive that
// writes it the same way ("%d", "%Y", "%B"); an empty directive when none does ("3", "1er",
// "März").
struct DatePiece {
    qsizetype start = -1;
    qsizetype length = 0;
    QString spec;
};

// The piece a named group of the date expression captured.
DatePiece capturedPiece(const QRegularExpressionMatch& match, QStringView group);
// The number a piece of digits holds.
int numberOf(const QString& text, const DatePiece& piece);

bool isAsciiDigit(QChar c);
// White space as templates know it: blank, tab, CR, LF, form feed, no-break spaces.
bool isBlank(QChar c);

// A year written with two digits is 2000-2069 for 00-69 and 1970-1999 for 70-99.
int yearOf(int written, qsizetype digits);

// The date, when it exists in the calendar and its year is 1900-2099; else an invalid date.
QDate calendarDate(int year, int month, int day);

// "%Y" for four digits, "%y" for two.
QString yearSpec(qsizetype digits);

// "%B" or "%b" when the word is the English name that directive writes for the date, letter for
// letter; "%b" first when a dot follows ("May."); empty otherwise.
QString monthNameSpec(QStringView word, const QDate& date, bool dotAfter);

// The FORMAT of text[start, end) with each piece replaced by its directive and the rest kept as it
// stands; empty when a piece has no directive.
QString formatOfPieces(const QString& text, qsizetype start, qsizetype end,
                       std::span<const DatePiece> pieces);

} // namespace corvander
