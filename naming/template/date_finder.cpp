#include "naming/template/date_pieces.h"
#include "naming/template/dates.h"
#include "naming/template/month_names.h"
#include "naming/template/numeric_dates.h"

namespace corvander {

namespace {

constexpr QLatin1StringView kBlank("[ \\t\\r\\n\\f\\x{00A0}\\x{202F}]");
constexpr QLatin1StringView kWord("[\\p{L}\\p{M}]++");
constexpr QLatin1StringView kYear("(?:19|20)[0-9]{2}");

// Every form of a date in one expression, each beginning at a digit, so that the expression skips
// the words of a long text quickly. A month name is matched as any word and looked up afterwards;
// the name before the day of "March 12, 2024" is looked for back from the day.
QString datePattern() {
    QString pattern = QStringLiteral(
        // Numbers, the year first or last, one separator on both sides. Numbers chained on by the
        // same separator run on into other digits: "01.02.03.04.05" is a telephone number.
        R"((?<![0-9])(?:(?=YEAR(?<ls>[./-]))(?<![0-9]\k<ls>))"
        R"((?<ly>YEAR)\k<ls>(?<lm>[0-9]{1,2})\k<ls>(?<ld>[0-9]{1,2})(?!\k<ls>[0-9]))"
        R"(|(?=[0-9]{1,2}(?<ns>[./-]))(?<![0-9]\k<ns>))"
        R"((?<na>[0-9]{1,2})\k<ns>(?<nb>[0-9]{1,2})\k<ns>(?<nc>YEAR|[0-9]{2})(?!\k<ns>[0-9]))"
        // 12 March 2024, 12. März 2024, 1er mars 2024, 12 de marzo de 2024, 12th of March, 2024
        R"(|(?<dd>[0-9]{1,2})(?<dx>(?i:er|st|nd|rd|th))?\.?BLANK+(?:(?i:de|of)BLANK+)?)"
        R"((?<dm>WORD)\.?,?BLANK+(?:(?i:del?)BLANK+)?(?<dy>YEAR))"
        // 12-Mar-2024
        R"(|(?<hd>[0-9]{1,2})-(?<hm>WORD)-(?<hy>YEAR|[0-9]{2}))"
        // The day and year of March 12, 2024
        R"(|(?<=BLANK)(?<md>[0-9]{1,2})(?<mx>(?i:st|nd|rd|th))?\.?,?BLANK+(?<my>YEAR)))"
        // Digits that run on are not a date.
        R"((?![0-9]))");
    pattern.replace(QLatin1StringView("BLANK"), kBlank);
    pattern.replace(QLatin1StringView("WORD"), kWord);
    pattern.replace(QLatin1StringView("YEAR"), kYear);
    return pattern;
}

// The month word of "March 12, 2024" back from its day: blanks, an optional dot, then the letters
// of one whole word. Nothing when no word stands there, or when a digit runs into it.
std::optional<DatePiece> wordBeforeDay(const QString& text, qsizetype day) {
    qsizetype at = day;
    while (at > 0 && isBlank(text.at(at - 1)))
        --at;
    if (at > 0 && text.at(at - 1) == QLatin1Char('.'))
        --at;
    const qsizetype end = at;
    while (at > 0) {
        const QChar c = text.at(at - 1);
        qsizetype width = 1;
        char32_t point = c.unicode();
        if (c.isLowSurrogate() && at >= 2 && text.at(at - 2).isHighSurrogate()) {
            point = QChar::surrogateToUcs4(text.at(at - 2), c);
            width = 2;
        }
        if (!QChar::isLetter(point) && !QChar::isMark(point))
            break;
        at -= width;
    }
    if (at == end || (at > 0 && text.at(at - 1).isNumber()))
        return std::nullopt;
    return DatePiece{at, end - at, {}};
}

// The text with every lone surrogate made U+FFFD, which keeps each position where it is. The
// expression is then told not to check the text again: it would do so on every call, once for
// each candidate, which makes a search through a long document take minutes.
QString checkedText(const QString& text) {
    if (QStringView(text).isValidUtf16())
        return text;
    QString checked = text;
    for (qsizetype i = 0; i < checked.size(); ++i) {
        const QChar c = checked.at(i);
        if (c.isHighSurrogate() && i + 1 < checked.size() && checked.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            checked[i] = QChar::ReplacementCharacter;
    }
    return checked;
}

} // namespace

DateFinder::DateFinder(const QStringList& extraLanguages)
    : m_months(std::make_shared<const MonthNames>(extraLanguages)), m_pattern(datePattern()) {
    Q_ASSERT(m_pattern.isValid());
    m_pattern.optimize();
}

std::optional<FoundDate> DateFinder::readMatch(const QString& text,
                                               const QRegularExpressionMatch& match,
                                               DateOrder order, qsizetype from) const {
    if (match.hasCaptured(QStringView(u"ly")) || match.hasCaptured(QStringView(u"na")))
        return readNumericDate(text, match, order);

    // A date with a month name: day, month word, year, and a day's ending ("1er", "12th").
    DatePiece day;
    DatePiece month;
    DatePiece year;
    QStringView ending;
    if (match.hasCaptured(QStringView(u"dm"))) {
        day = capturedPiece(match, u"dd");
        month = capturedPiece(match, u"dm");
        year = capturedPiece(match, u"dy");
        ending = match.capturedView(QStringView(u"dx"));
    } else if (match.hasCaptured(QStringView(u"hm"))) {
        day = capturedPiece(match, u"hd");
        month = capturedPiece(match, u"hm");
        year = capturedPiece(match, u"hy");
    } else {
        day = capturedPiece(match, u"md");
        year = capturedPiece(match, u"my");
        ending = match.capturedView(QStringView(u"mx"));
        const std::optional<DatePiece> word = wordBeforeDay(text, day.start);
        if (!word || word->start < from)
            return std::nullopt;
        month = *word;
    }

    const QStringView word = QStringView(text).mid(month.start, month.length);
    const int monthNumber = m_months->monthOf(word);
    const int dayNumber = numberOf(text, day);
    if (monthNumber == 0 || (ending.compare(u"er", Qt::CaseInsensitive) == 0 && dayNumber != 1))
        return std::nullopt;
    const QDate date =
        calendarDate(yearOf(numberOf(text, year), year.length), monthNumber, dayNumber);
    if (!date.isValid())
        return std::nullopt;

    const qsizetype monthEnd = month.start + month.length;
    const bool dotAfterMonth = monthEnd < text.size() && text.at(monthEnd) == QLatin1Char('.');
    day.spec = day.length == 2 && ending.isEmpty() ? QStringLiteral("%d") : QString();
    month.spec = monthNameSpec(word, date, dotAfterMonth);
    year.spec = yearSpec(year.length);
    FoundDate found;
    found.date = date;
    found.start = std::min(day.start, month.start);
    found.length = match.capturedEnd() - found.start;
    const DatePiece pieces[3] = {day, month, year};
    found.format = formatOfPieces(text, found.start, match.capturedEnd(), pieces);
    return found;
}

std::optional<FoundDate> DateFinder::first(const QString& text, DateOrder order,
                                           qsizetype from) const {
    return next(checkedText(text), order, from);
}

QList<FoundDate> DateFinder::all(const QString& text, DateOrder order) const {
    const QString checked = checkedText(text);
    QList<FoundDate> dates;
    qsizetype at = 0;
    while (std::optional<FoundDate> found = next(checked, order, at)) {
        at = found->start + found->length;
        dates.append(*found);
    }
    return dates;
}

std::optional<FoundDate> DateFinder::next(const QString& text, DateOrder order,
                                          qsizetype from) const {
    // Every match begins at an ASCII digit, so a step of one never lands inside a character.
    for (qsizetype at = std::max<qsizetype>(from, 0); at <= text.size();) {
        const QRegularExpressionMatch match =
            m_pattern.match(text, at, QRegularExpression::NormalMatch,
                            QRegularExpression::DontCheckSubjectStringMatchOption);
        if (!match.hasMatch())
            return std::nullopt;
        if (std::optional<FoundDate> found = readMatch(text, match, order, from))
            return found;
        // Not a date after all; one may still begin inside what matched.
        at = match.capturedStart() + 1;
    }
    return std::nullopt;
}

QList<FoundDate> DateFinder::readingsOf(const QString& text) const {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    const QString date = text.mid(begin, end - begin);
    QList<FoundDate> readings;
    for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy}) {
        std::optional<FoundDate> found = first(date, order);
        if (!found || found->start != 0 || found->length != date.size())
            return readings;
        found->start = begin;
        readings.append(*found);
        if (!found->ambiguous)
            break;
    }
    return readings;
}

} // namespace corvander
