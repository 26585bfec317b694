#pragma once

#include "extract/extractor.h"

#include <QMetaObject>
#include <QSet>
#include <functional>
#include <map>
#include <optional>

namespace corvander {

// The most the answers sent ahead may hold at once, those received and not yet claimed and those
// still on their way: answers wait in the program until their file's turn, and a list of
// documents with long texts would otherwise fill its memory. 64 MiB holds four answers of the
// largest size a worker sends (protocol::kMaxTextBytes), and thousands of usual ones.
inline constexpr qint64 kLookaheadBudgetBytes = 64 * 1024 * 1024;

// Keeps the workers busy on the files after the one whose turn it is, while the caller works
// through its list strictly in order. A file whose request changed since it was sent ahead (the
// user picked another mode meanwhile) is asked again; what was sent ahead and never used is
// withdrawn when the lookahead ends.
class Lookahead {
public:
    // The request for the file at a position, or nothing when that file needs no extraction.
    using RequestFor = std::function<std::optional<ExtractRequest>(int position)>;

    Lookahead(Extractor& pool, int depth, qint64 budgetBytes = kLookaheadBudgetBytes);
    ~Lookahead();
    Lookahead(const Lookahead&) = delete;
    Lookahead& operator=(const Lookahead&) = delete;

    // Sends the requests for the positions from `from` up to `last`, at most `depth` of them,
    // and beyond `from` only while the answers held and expected stay within the budget. An
    // answer on its way is expected to be as large as the largest one of this lookahead so far.
    void fill(int from, int last, const RequestFor& requestFor);
    // The ticket that answers exactly this request for the position; the extractor then belongs to
    // the caller for that ticket (take it, or drop it).
    Extractor::Ticket claim(int position, const ExtractRequest& request);
    // Withdraws everything sent ahead and not claimed.
    void dropAll();

    // The bytes of the answers received and not yet claimed.
    qint64 heldBytes() const;

private:
    struct Sent {
        ExtractRequest request;
        Extractor::Ticket ticket;
    };

    void answered(Extractor::Ticket ticket);

    Extractor& m_pool;
    int m_depth;
    qint64 m_budget;
    qint64 m_largestAnswer;
    std::map<int, Sent> m_sent;
    // Claimed and not yet answered: their size counts for the expectation too.
    QSet<Extractor::Ticket> m_claimed;
    QMetaObject::Connection m_answers;
};

// Twice as many as there are workers: enough that a worker never waits for the next file.
int lookaheadDepth(const Extractor& pool);

} // namespace corvander
