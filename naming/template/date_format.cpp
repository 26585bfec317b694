#include "naming/template/dates.h"

namespace corvander {

namespace {

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// The character after a % at `at`, a whole code point even outside the Basic Multilingual Plane.
QStringView directiveAt(const QString& format, qsizetype at) {
    const qsizetype size = at + 1 < format.size() && format.at(at).isHighSurrogate() ? 2 : 1;
    return QStringView(format).mid(at, size);
}

} // namespace

QString formatDate(const QDate& date, const QString& format) {
    if (!date.isValid())
        return {};
    // Month names are English whatever the user's locale: a name the template writes must not
    // change with the machine it runs on.
    const QLocale english = QLocale::c();
    QString written;
    written.reserve(format.size() + 8);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 == format.size()) {
            written += c;
            continue;
        }
        switch (format.at(i + 1).unicode()) {
        case 'Y':
            written += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            break;
        case 'y':
            written += twoDigits((date.year() % 100 + 100) % 100);
            break;
        case 'm':
            written += twoDigits(date.month());
            break;
        case 'd':
            written += twoDigits(date.day());
            break;
        case 'B':
            written += english.monthName(date.month(), QLocale::LongFormat);
            break;
        case 'b':
            written += english.monthName(date.month(), QLocale::ShortFormat);
            break;
        case '%':
            written += QLatin1Char('%');
            break;
        default:
            // Not a directive: kept as it stands (dateFormatProblem tells the user).
            written += c;
            continue;
        }
        ++i;
    }
    return written;
}

QString dateFormatProblem(const QString& format) {
    static const QString kDirectives = QStringLiteral("YymdBb%");
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) != QLatin1Char('%'))
            continue;
        if (i + 1 == format.size())
            return QStringLiteral("% without a letter at character %1").arg(i + 1);
        if (!kDirectives.contains(format.at(i + 1))) {
            return QStringLiteral("unknown %%1 at character %2")
                .arg(directiveAt(format, i + 1), QString::number(i + 1));
        }
        ++i;
    }
    return {};
}

} // namespace corvander
