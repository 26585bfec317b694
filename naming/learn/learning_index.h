#pragma once

#include "naming/learn/learning_text.h"
#include "naming/template/dates.h"
#include "naming/template/prepared_document.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>

namespace corvander {

// One reading of a date of the text.
struct DateReading {
    QDate date;
    QString format; // how the text writes it ("%d.%m.%Y"); empty when no format does
    // The day-month order the text writes it in, when the text shows one (a numeric date with
    // the day or the month first); nothing for a date that begins with its year or names its
    // month.
    std::optional<DateOrder> order;
};

// A date of the text: one reading, or two when the two day-month orders read it differently.
struct TextDate {
    qsizetype start = 0;
    qsizetype length = 0;
    QList<DateReading> readings;
};

// What the learner looks up in the example again and again, worked out once: the text folded
// as names are, its words, lines and pages, and its dates under both day-month orders.
class LearningIndex {
public:
    LearningIndex(const PreparedDocument& document, const DateFinder& dates);

    const PreparedDocument& document() const { return m_document; }
    const QString& text() const { return m_document.text(); }

    // Where a text of a name (folded as names are) stands in the document: at most `limit`
    // spans of the text, each widened over the characters that cleaning would drop at its ends.
    QList<TextSpan> occurrences(const QString& folded, int limit) const;
    bool contains(const QString& folded) const { return m_folded.text.contains(folded); }
    // How a run of letters and digits (folded) stands in the document.
    enum class WordUse {
        None,
        Word,   // in a word without digits, or as one
        InCode, // only in words that hold digits: "AF" of "AF-7731"
    };
    WordUse useOf(const QString& folded) const { return m_runs.value(folded, WordUse::None); }

    const QList<TextSpan>& words() const { return m_words; }
    // The index of the first word that ends after `at` (the number of words when none does).
    qsizetype wordFrom(qsizetype at) const;
    // The index of the word that begins at `at`, or -1.
    qsizetype wordStartingAt(qsizetype at) const;
    int pageOfWord(qsizetype word) const { return m_wordPages.at(word); }
    // The word's number on its page, from 1.
    int numberOnPage(qsizetype word) const { return m_wordNumbers.at(word); }

    const QList<TextSpan>& lines() const { return m_lines; }
    qsizetype lineIndexAt(qsizetype at) const;
    // Only white space stands between `at` and the end of its line.
    bool endsLine(qsizetype at) const;

    // Texts that may label what stands at `at`: the words before it on its line (up to the
    // first that holds a digit, at most four) and the part of its word before it, longest first.
    QStringList labelsBefore(qsizetype at) const;
    // For what begins a line: the last words of the line above, longest first.
    QStringList labelsAbove(qsizetype at) const;

    const QList<TextDate>& dates() const { return m_dates; }
    // The day-month order the text's dates show when they all show the same one ("21.06.2024"
    // shows day first); nothing when none shows one or they disagree.
    std::optional<DateOrder> shownOrder() const { return m_shownOrder; }

private:
    void indexWords();
    void indexLines();
    void indexDates(const DateFinder& finder);

    const PreparedDocument& m_document;
    FoldedText m_folded;
    QHash<QString, WordUse> m_runs;
    QList<TextSpan> m_words;
    QList<int> m_wordPages;
    QList<int> m_wordNumbers;
    QList<TextSpan> m_lines;
    QList<TextDate> m_dates;
    std::optional<DateOrder> m_shownOrder;
};

} // namespace corvander
