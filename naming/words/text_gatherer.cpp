#include "naming/words/text_gatherer.h"

#include "naming/words/extracted_text.h"
#include "naming/words/words.h"

#include <algorithm>

namespace corvander {

TextGatherer::TextGatherer(StopRule rule, qsizetype budgetBytes, qint64 letGoAbove)
    : m_rule(std::move(rule)), m_budget(budgetBytes), m_letGoAbove(letGoAbove) {}

bool TextGatherer::searches() const {
    return m_rule.kind == StopRule::Kind::WordsAfter || m_rule.kind == StopRule::Kind::WordsBefore;
}

void TextGatherer::add(const QByteArray& pages) {
    if (m_satisfied || m_overflowed)
        return;
    Piece piece{pages, m_total, 0, {}};
    m_keptBytes += pages.size();
    switch (m_rule.kind) {
    case StopRule::Kind::None:
        break;
    case StopRule::Kind::Bytes:
        m_satisfied = m_keptBytes >= m_rule.count;
        break;
    case StopRule::Kind::Words: {
        const QString prepared = prepareText(decodeExtractedText(pages));
        piece.length = prepared.size();
        count(prepared);
        break;
    }
    case StopRule::Kind::WordsAfter:
    case StopRule::Kind::WordsBefore: {
        QString prepared = prepareText(decodeExtractedText(pages));
        piece.length = prepared.size();
        if (m_hit >= 0) {
            count(prepared);
        } else {
            search(prepared);
            if (m_hit >= 0 && m_rule.kind == StopRule::Kind::WordsAfter)
                count(QStringView(prepared).mid(
                    std::max<qint64>(0, m_hit + m_rule.searchText.size() - m_total)));
            else if (m_hit >= 0)
                m_satisfied = true;
        }
        if (m_rule.kind == StopRule::Kind::WordsBefore && m_hit < 0)
            piece.prepared = std::move(prepared);
        break;
    }
    }
    m_total += piece.length;
    m_pieces.append(std::move(piece));
    if (searches() && m_keptBytes > m_letGoAbove)
        letGoUnneeded();
    if (m_keptBytes > m_budget) {
        m_overflowed = true;
        m_satisfied = false;
        m_pieces.clear();
        m_keptBytes = 0;
    }
}

void TextGatherer::resume(const QByteArray& kept, qint64 charactersBefore, qint64 wordsBefore) {
    m_dropped = m_total = m_tailStart = charactersBefore;
    add(kept);
    if (charactersBefore == 0)
        return;
    // Counted as if the kept text's leading blanks followed a word of the text let go: letting
    // the kept text go later counts them again, and wordsBefore() adds them again, so the words
    // come out as the gatherer that kept this text would count them (text is let go only up to a
    // page holding a word, so the first page kept holds one).
    m_droppedWord = true;
    m_droppedBlanks = wordsBefore - leadingBlanks();
}

// The words rule of firstWordsPick: the count-th word is complete once a blank follows it and a
// word comes after that blank; only then can the end of the text no longer trim that blank away.
void TextGatherer::count(QStringView prepared) {
    for (const QChar character : prepared) {
        if (isWordBlank(character)) {
            if (m_seenWord)
                ++m_blanks;
            continue;
        }
        m_seenWord = true;
        if (m_blanks >= m_rule.count) {
            m_satisfied = true;
            return;
        }
    }
}

// An occurrence that begins before the tail lies wholly in text already searched, so the search
// goes on from the tail; it never starts at the second half of a surrogate pair, whose case
// folding looks at the first half.
void TextGatherer::search(const QString& prepared) {
    const QString haystack = m_tail + prepared;
    const qsizetype at = findSearchText(haystack, m_rule.searchText);
    if (at >= 0) {
        m_hit = m_tailStart + at;
        m_tail.clear();
        return;
    }
    qsizetype from = std::max<qsizetype>(0, haystack.size() - m_rule.searchText.size());
    if (from > 0 && haystack.at(from).isLowSurrogate())
        --from;
    m_tail = haystack.mid(from);
    m_tailStart = m_total + prepared.size() - m_tail.size();
}

void TextGatherer::letGo(qint64 keepFrom) {
    while (m_pieces.size() > 1 && m_pieces.first().start + m_pieces.first().length <= keepFrom) {
        const Piece& first = m_pieces.first();
        for (const QChar character : first.prepared) {
            if (!isWordBlank(character))
                m_droppedWord = true;
            else if (m_droppedWord)
                ++m_droppedBlanks;
        }
        m_keptBytes -= first.bytes.size();
        m_dropped += first.length;
        m_pieces.removeFirst();
    }
}

void TextGatherer::letGoUnneeded() {
    if (m_rule.kind == StopRule::Kind::WordsAfter) {
        // Before the search text: only the tail can still hold it. After: the words follow it.
        letGo(m_hit >= 0 ? m_hit : m_tailStart);
        return;
    }
    if (m_hit >= 0)
        return;
    if (const qint64 from = startOfWordsBefore(); from >= 0)
        letGo(from);
}

// Where the words that will stand before the search text begin at the latest: the search text
// begins after the kept text less its last characters; walking back from there, past the last
// word, over count blanks, to the next word. Kept from that word on, the text before the search
// text has the same last count words, and still some, as the whole text has. -1 when the kept
// text holds no such place yet.
qint64 TextGatherer::startOfWordsBefore() const {
    const qint64 end = m_total - m_rule.searchText.size();
    const qint64 needed = std::max<qint64>(0, m_rule.count);
    bool seenWord = false;
    qint64 blanks = 0;
    for (qsizetype index = m_pieces.size() - 1; index >= 0; --index) {
        const Piece& piece = m_pieces.at(index);
        const qint64 last = std::min(end, piece.start + piece.length) - 1;
        for (qint64 at = last; at >= piece.start; --at) {
            const bool blank = isWordBlank(piece.prepared.at(at - piece.start));
            if (!seenWord) {
                seenWord = !blank;
                if (seenWord && needed == 0)
                    return at;
                continue;
            }
            if (blank)
                ++blanks;
            else if (blanks >= needed)
                return at;
        }
    }
    return -1;
}

// The blanks before the first word of the kept text. Text is let go only up to a page holding a
// word, so they lie in the first page kept.
qint64 TextGatherer::leadingBlanks() const {
    if (m_pieces.isEmpty())
        return 0;
    const Piece& first = m_pieces.first();
    const QString prepared =
        first.prepared.isEmpty() ? prepareText(decodeExtractedText(first.bytes)) : first.prepared;
    qint64 blanks = 0;
    while (blanks < prepared.size() && isWordBlank(prepared.at(blanks)))
        ++blanks;
    return blanks;
}

// Splitting the whole text before the search text counts, beyond the kept text's words, the
// blanks after the first word let go, and the kept text's leading blanks, which then follow a
// word instead of being trimmed away.
qint64 TextGatherer::wordsBefore() const {
    return m_droppedWord ? m_droppedBlanks + leadingBlanks() : 0;
}

qint64 TextGatherer::answerWordsBefore() const {
    return m_rule.kind == StopRule::Kind::WordsBefore && m_hit >= 0 ? wordsBefore() : 0;
}

QByteArray TextGatherer::keptText() const {
    QByteArray text;
    text.reserve(m_keptBytes);
    for (const Piece& piece : m_pieces)
        text += piece.bytes;
    return text;
}

QByteArray TextGatherer::answerText() const {
    if (searches() && m_hit < 0)
        return {};
    return keptText();
}

qint64 TextGatherer::answerCharactersBefore() const {
    return searches() && m_hit < 0 ? 0 : m_dropped;
}

} // namespace corvander
