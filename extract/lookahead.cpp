#include "extract/lookahead.h"

namespace corvander {

Lookahead::Lookahead(ExtractionPool& pool, int depth) : m_pool(pool), m_depth(depth) {}

Lookahead::~Lookahead() {
    dropAll();
}

void Lookahead::fill(int from, int last, const RequestFor& requestFor) {
    // Positions before `from` were claimed or passed over; nothing of theirs is waited for.
    for (auto it = m_sent.begin(); it != m_sent.end() && it->first < from;) {
        m_pool.drop(it->second.ticket);
        it = m_sent.erase(it);
    }
    for (int position = from; position <= last && position < from + m_depth; ++position) {
        const std::optional<ExtractRequest> request = requestFor(position);
        const auto sent = m_sent.find(position);
        if (sent != m_sent.end()) {
            if (request && sent->second.request == *request)
                continue;
            m_pool.drop(sent->second.ticket);
            m_sent.erase(sent);
        }
        if (request)
            m_sent.emplace(position, Sent{*request, m_pool.submit(*request)});
    }
}

ExtractionPool::Ticket Lookahead::claim(int position, const ExtractRequest& request) {
    const auto sent = m_sent.find(position);
    if (sent != m_sent.end()) {
        const Sent entry = sent->second;
        m_sent.erase(sent);
        if (entry.request == request)
            return entry.ticket;
        m_pool.drop(entry.ticket);
    }
    return m_pool.submit(request);
}

void Lookahead::dropAll() {
    for (const auto& [position, sent] : m_sent)
        m_pool.drop(sent.ticket);
    m_sent.clear();
}

int lookaheadDepth(const ExtractionPool& pool) {
    return 2 * pool.settings().workers;
}

} // namespace corvander
