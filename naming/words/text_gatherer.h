#pragma once

#include "naming/words/stop_rule.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace corvander {

// Takes a document's text page by page, in page order, and tells when a stop rule has all it
// needs. What it keeps is exactly what the word rules (naming/words/words.h) need to give the same
// name, skip reason and provenance as the whole text would:
// - the first pages as they came, up to the page that satisfied the rule;
// - for a search text, once more than kLetGoAbove is kept, not the pages it can no longer use: the
//   pages before the search text that cannot hold it (words after it), or that lie before the
//   words that would stand before it; the prepared characters let go are counted, so that where
//   the search text stands in the whole document can still be told, and so are the words, so
//   that the words before it keep their numbers;
// - for a search text in no page, nothing: the file's own name needs no text.
// Past the budget (bytes kept) the gatherer overflows and takes nothing more.
class TextGatherer {
public:
    // Below this much kept text a search rule keeps every page: an answer is then the plain start
    // of the document's text, and letting go of pages would only cost time.
    static constexpr qint64 kLetGoAbove = 1024 * 1024;

    TextGatherer(StopRule rule, qsizetype budgetBytes, qint64 letGoAbove = kLetGoAbove);

    // One or more whole pages, as extracted: UTF-8, each page ending in its form feed.
    void add(const QByteArray& pages);
    // Goes on from what another gatherer with the same rule kept (its keptText(),
    // charactersBefore() and wordsBefore()), as that one would have gone on.
    void resume(const QByteArray& kept, qint64 charactersBefore, qint64 wordsBefore);

    bool satisfied() const { return m_satisfied; }
    bool overflowed() const { return m_overflowed; }

    // What is kept now, how many characters of the prepared text stood before it, and by how
    // many the words of the whole text before the search text outnumber those of the kept text.
    QByteArray keptText() const;
    qint64 charactersBefore() const { return m_dropped; }
    qint64 wordsBefore() const;
    qint64 keptBytes() const { return m_keptBytes; }

    // The answer once reading has stopped (satisfied, or the document ended): the kept text, or
    // nothing when the rule's search text was in no page.
    QByteArray answerText() const;
    qint64 answerCharactersBefore() const;
    qint64 answerWordsBefore() const;

private:
    struct Piece {
        QByteArray bytes;
        qint64 start = 0; // where its prepared text begins in the whole prepared text
        qint64 length = 0;
        QString prepared; // kept only where the words before the search text are counted
    };

    bool searches() const;
    void count(QStringView prepared);
    void search(const QString& prepared);
    void letGo(qint64 keepFrom);
    void letGoUnneeded();
    qint64 startOfWordsBefore() const;
    qint64 leadingBlanks() const;

    StopRule m_rule;
    qsizetype m_budget;
    qint64 m_letGoAbove;
    QList<Piece> m_pieces;
    qint64 m_keptBytes = 0;
    qint64 m_dropped = 0;
    qint64 m_total = 0; // prepared characters seen, those let go included
    bool m_satisfied = false;
    bool m_overflowed = false;
    // Counting words: seen one, blanks since.
    bool m_seenWord = false;
    qint64 m_blanks = 0;
    // Searching: the last characters seen, where an occurrence could still begin, and where.
    QString m_tail;
    qint64 m_tailStart = 0;
    qint64 m_hit = -1;
    // The text let go: whether it held a word, and the blanks after its first word.
    bool m_droppedWord = false;
    qint64 m_droppedBlanks = 0;
};

} // namespace corvander
