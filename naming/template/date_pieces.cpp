#include "naming/template/date_pieces.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace corvander {

DatePiece capturedPiece(const QRegularExpressionMatch& match, QStringView group) {
    return {match.capturedStart(group), match.capturedLength(group), {}};
}

int numberOf(const QString& text, const DatePiece& piece) {
    return QStringView(text).mid(piece.start, piece.length).toInt();
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c) {
    switch (c.unicode()) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '\f':
    case 0x00A0:
    case 0x202F:
        return true;
    default:
        return false;
    }
}

int yearOf(int written, qsizetype digits) {
    if (digits != 2)
        return written;
    return written < 70 ? 2000 + written : 1900 + written;
}

QDate calendarDate(int year, int month, int day) {
    if (year < 1900 || year > 2099)
        return {};
    return QDate(year, month, day);
}

QString yearSpec(qsizetype digits) {
    return digits == 4 ? QStringLiteral("%Y") : QStringLiteral("%y");
}

QString monthNameSpec(QStringView word, const QDate& date, bool dotAfter) {
    const QLocale english = QLocale::c();
    const QString longName = english.monthName(date.month(), QLocale::LongFormat);
    const QString shortName = english.monthName(date.month(), QLocale::ShortFormat);
    if (dotAfter && word == shortName)
        return QStringLiteral("%b");
    if (word == longName)
        return QStringLiteral("%B");
    if (word == shortName)
        return QStringLiteral("%b");
    return {};
}

QString formatOfPieces(const QString& text, qsizetype start, qsizetype end,
                       std::span<const DatePiece> pieces) {
    std::vector<DatePiece> ordered(pieces.begin(), pieces.end());
    std::sort(ordered.begin(), ordered.end(),
              [](const DatePiece& a, const DatePiece& b) { return a.start < b.start; });
    QString format;
    qsizetype at = start;
    const auto literal = [&](qsizetype until) {
        for (; at < until; ++at) {
            format += text.at(at);
            if (text.at(at) == QLatin1Char('%'))
                format += QLatin1Char('%');
        }
    };
    for (const DatePiece& piece : ordered) {
        if (piece.spec.isEmpty())
            return {};
        literal(piece.start);
        format += piece.spec;
        at = piece.start + piece.length;
    }
    literal(end);
    return format;
}

} // namespace corvander
