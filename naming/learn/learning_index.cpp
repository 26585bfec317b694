#include "naming/learn/learning_index.h"

#include <QMap>

#include <algorithm>

namespace corvander {

namespace {

constexpr int kLabelWords = 4;

// The order a numeric date shows by where its day stands; nothing when it begins with its
// year, names its month or has no format.
std::optional<DateOrder> orderShownBy(const QString& format) {
    const qsizetype day = format.indexOf(QLatin1String("%d"));
    const qsizetype month = format.indexOf(QLatin1String("%m"));
    if (day < 0 || month < 0 || format.startsWith(QLatin1String("%Y")) ||
        format.startsWith(QLatin1String("%y")))
        return std::nullopt;
    return day < month ? DateOrder::Dmy : DateOrder::Mdy;
}

QString joinedSpan(const QString& text, const QList<TextSpan>& words, qsizetype from,
                   qsizetype to) {
    return joinedWords(text, words.mid(from, to - from));
}

} // namespace

LearningIndex::LearningIndex(const PreparedDocument& document, const DateFinder& dates)
    : m_document(document), m_folded(foldText(document.text(), Folding::Name)) {
    for (const QStringView word : m_folded.text.tokenize(QLatin1Char(' '))) {
        const bool code = hasDigit(word);
        for (const QStringView run : wordRuns(word)) {
            const QString key = run.toString();
            if (!code)
                m_runs[key] = WordUse::Word;
            else if (!m_runs.contains(key))
                m_runs[key] = WordUse::InCode;
        }
    }
    indexWords();
    indexLines();
    indexDates(dates);
}

void LearningIndex::indexWords() {
    m_words = wordsIn(text(), {0, text().size()});
    const QList<TextSpan>& pages = m_document.pages();
    qsizetype page = 0;
    int number = 0;
    for (const TextSpan& word : std::as_const(m_words)) {
        while (page + 1 < pages.size() && word.start >= pages.at(page + 1).start) {
            ++page;
            number = 0;
        }
        m_wordPages << int(page) + 1;
        m_wordNumbers << ++number;
    }
}

void LearningIndex::indexLines() {
    const QString& whole = text();
    qsizetype at = 0;
    while (at < whole.size()) {
        const qsizetype end = lineEndFrom(whole, at);
        m_lines.append({at, end});
        if (end == whole.size())
            break;
        at = end + 1;
        // A CR LF ends the line; a form feed right after it ends no further one.
        if (whole.at(end) == QLatin1Char('\r')) {
            ++at;
            if (at < whole.size() && whole.at(at) == QLatin1Char('\f'))
                ++at;
        }
    }
}

void LearningIndex::indexDates(const DateFinder& finder) {
    QMap<qsizetype, TextDate> byStart;
    for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy}) {
        for (const FoundDate& found : finder.all(text(), order)) {
            TextDate& date = byStart[found.start];
            date.start = found.start;
            date.length = std::max(date.length, found.length);
            const bool known =
                std::any_of(date.readings.cbegin(), date.readings.cend(),
                            [&](const DateReading& reading) { return reading.date == found.date; });
            if (known)
                continue;
            std::optional<DateOrder> shown = orderShownBy(found.format);
            // A numeric date without a format ("3/4/24") shows its order only by being read
            // two ways.
            if (!shown && found.ambiguous && found.format.isEmpty())
                shown = order;
            date.readings.append({found.date, found.format, shown});
        }
    }
    m_dates = byStart.values();
    QSet<DateOrder> shown;
    for (const TextDate& date : std::as_const(m_dates)) {
        if (date.readings.size() == 1 && date.readings.first().order)
            shown.insert(*date.readings.first().order);
    }
    if (shown.size() != 1)
        return;
    // A document that writes its dates one way writes them all so: "03/12/2024" beside
    // "03/28/2024" is the 12th of March only.
    m_shownOrder = *shown.begin();
    for (TextDate& date : m_dates) {
        if (date.readings.size() > 1) {
            date.readings.removeIf(
                [this](const DateReading& reading) { return reading.order != m_shownOrder; });
        }
    }
}

QList<TextSpan> LearningIndex::occurrences(const QString& folded, int limit) const {
    QList<TextSpan> spans;
    const QString& whole = text();
    for (qsizetype at = m_folded.text.indexOf(folded); at >= 0 && spans.size() < limit;
         at = m_folded.text.indexOf(folded, at + 1)) {
        qsizetype start = m_folded.origin.at(at);
        qsizetype end = m_folded.origin.at(at + folded.size() - 1) + 1;
        while (start > 0 && removedFromNames(whole.at(start - 1)) &&
               !isTemplateSpace(whole.at(start - 1)))
            --start;
        while (end < whole.size() && removedFromNames(whole.at(end)) &&
               !isTemplateSpace(whole.at(end)))
            ++end;
        spans.append({start, end});
    }
    return spans;
}

qsizetype LearningIndex::wordFrom(qsizetype at) const {
    const auto found =
        std::upper_bound(m_words.begin(), m_words.end(), at,
                         [](qsizetype at, const TextSpan& word) { return at < word.end; });
    return found - m_words.begin();
}

qsizetype LearningIndex::wordStartingAt(qsizetype at) const {
    const qsizetype word = wordFrom(at);
    return word < m_words.size() && m_words.at(word).start == at ? word : -1;
}

qsizetype LearningIndex::lineIndexAt(qsizetype at) const {
    const auto after =
        std::upper_bound(m_lines.begin(), m_lines.end(), at,
                         [](qsizetype at, const TextSpan& line) { return at < line.start; });
    return std::max<qsizetype>(after - m_lines.begin() - 1, 0);
}

bool LearningIndex::endsLine(qsizetype at) const {
    const qsizetype end = lineEndFrom(text(), at);
    for (qsizetype i = at; i < end; ++i) {
        if (!isTemplateSpace(text().at(i)))
            return false;
    }
    return true;
}

QStringList LearningIndex::labelsBefore(qsizetype at) const {
    if (m_lines.isEmpty())
        return {};
    const TextSpan line = m_lines.at(lineIndexAt(at));
    const qsizetype word = wordFrom(at);
    QString partial;
    if (word < m_words.size() && m_words.at(word).start < at)
        partial = text().mid(m_words.at(word).start, at - m_words.at(word).start);
    // Only a sign that ends a label glues it to its value ("No.:AF-7731", "Ref#12"); other
    // signs join the parts of one value ("AB-12", "12/2024").
    if (hasDigit(partial) ||
        (!partial.isEmpty() && !QStringLiteral(":#=").contains(partial.back())))
        return {};
    qsizetype first = word;
    while (
        first > 0 && word - first < kLabelWords && m_words.at(first - 1).start >= line.start &&
        !hasDigit(QStringView(text()).mid(m_words.at(first - 1).start,
                                          m_words.at(first - 1).end - m_words.at(first - 1).start)))
        --first;
    QStringList labels;
    for (qsizetype from = first; from <= word; ++from) {
        QString label = joinedSpan(text(), m_words, from, word);
        if (!partial.isEmpty())
            label += (label.isEmpty() ? QString() : QStringLiteral(" ")) + partial;
        if (hasLetter(label))
            labels << label;
    }
    return labels;
}

QStringList LearningIndex::labelsAbove(qsizetype at) const {
    const qsizetype lineIndex = lineIndexAt(at);
    const qsizetype word = wordStartingAt(at);
    if (word < 0 || (word > 0 && m_words.at(word - 1).start >= m_lines.at(lineIndex).start))
        return {};
    // The nearest line above that holds words, two lines up at most.
    for (qsizetype above = lineIndex - 1; above >= std::max<qsizetype>(lineIndex - 2, 0); --above) {
        const TextSpan line = m_lines.at(above);
        const qsizetype end = wordFrom(line.end);
        qsizetype first = end;
        while (first > 0 && end - first < kLabelWords &&
               m_words.at(first - 1).start >= line.start &&
               !hasDigit(QStringView(text()).mid(m_words.at(first - 1).start,
                                                 m_words.at(first - 1).end -
                                                     m_words.at(first - 1).start)))
            --first;
        if (end == wordFrom(line.start))
            continue;
        QStringList labels;
        for (qsizetype from = first; from < end; ++from) {
            const QString label = joinedSpan(text(), m_words, from, end);
            if (hasLetter(label))
                labels << label;
        }
        return labels;
    }
    return {};
}

} // namespace corvander
