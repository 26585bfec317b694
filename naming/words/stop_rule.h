#pragma once

#include <QString>

namespace corvander {

// How much of a document's text an answer needs, read page by page from the start: reading stops
// at the end of the page after which more text could no longer change the answer.
struct StopRule {
    enum class Kind {
        None,        // the whole range
        Bytes,       // count bytes of text (the readability check)
        Words,       // count complete words: a blank follows the count-th (first words)
        WordsAfter,  // searchText, then count complete words after it (words after a text)
        WordsBefore, // searchText; the count words before it are all that is kept of the text
    };

    Kind kind = Kind::None;
    qint64 count = 0;
    QString searchText;

    bool operator==(const StopRule&) const = default;

    static StopRule bytes(qint64 count) { return {Kind::Bytes, count, {}}; }
    static StopRule words(qint64 count) { return {Kind::Words, count, {}}; }
    static StopRule wordsAfter(const QString& searchText, qint64 count) {
        return {Kind::WordsAfter, count, searchText};
    }
    static StopRule wordsBefore(const QString& searchText, qint64 count) {
        return {Kind::WordsBefore, count, searchText};
    }
};

} // namespace corvander
