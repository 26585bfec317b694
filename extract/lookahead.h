#pragma once

#include "extract/extraction_pool.h"

#include <functional>
#include <map>
#include <optional>

namespace corvander {

// Keeps the workers busy on the files after the one whose turn it is, while the caller works
// through its list strictly in order. A file whose request changed since it was sent ahead (the
// user picked another mode meanwhile) is asked again; what was sent ahead and never used is
// withdrawn when the lookahead ends.
class Lookahead {
public:
    // The request for the file at a position, or nothing when that file needs no extraction.
    using RequestFor = std::function<std::optional<ExtractRequest>(int position)>;

    Lookahead(ExtractionPool& pool, int depth);
    ~Lookahead();
    Lookahead(const Lookahead&) = delete;
    Lookahead& operator=(const Lookahead&) = delete;

    // Sends the requests for the positions from `from` up to `last`, at most `depth` of them.
    void fill(int from, int last, const RequestFor& requestFor);
    // The ticket that answers exactly this request for the position; the pool then belongs to the
    // caller for that ticket (take it, or drop it).
    ExtractionPool::Ticket claim(int position, const ExtractRequest& request);
    // Withdraws everything sent ahead and not claimed.
    void dropAll();

private:
    struct Sent {
        ExtractRequest request;
        ExtractionPool::Ticket ticket;
    };

    ExtractionPool& m_pool;
    int m_depth;
    std::map<int, Sent> m_sent;
};

// Twice as many as there are workers: enough that a worker never waits for the next file.
int lookaheadDepth(const ExtractionPool& pool);

} // namespace corvander
