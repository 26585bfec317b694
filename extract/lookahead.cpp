#include "extract/lookahead.h"

#include <algorithm>

namespace corvander {

namespace {

// What an answer not yet seen is expected to hold before a larger one came: a long document's
// text of a few hundred pages.
constexpr qint64 kFirstExpectedAnswer = 256 * 1024;

} // namespace

Lookahead::Lookahead(Extractor& pool, int depth, qint64 budgetBytes)
    : m_pool(pool), m_depth(depth), m_budget(budgetBytes), m_largestAnswer(kFirstExpectedAnswer) {
    m_answers = QObject::connect(&m_pool, &Extractor::finished, &m_pool,
                                 [this](Extractor::Ticket ticket) { answered(ticket); });
}

Lookahead::~Lookahead() {
    QObject::disconnect(m_answers);
    dropAll();
}

void Lookahead::answered(Extractor::Ticket ticket) {
    const bool ours = m_claimed.remove(ticket) ||
                      std::any_of(m_sent.cbegin(), m_sent.cend(), [ticket](const auto& entry) {
                          return entry.second.ticket == ticket;
                      });
    if (ours)
        m_largestAnswer = std::max(m_largestAnswer, m_pool.resultBytes(ticket));
}

void Lookahead::fill(int from, int last, const RequestFor& requestFor) {
    // Positions before `from` were claimed or passed over; nothing of theirs is waited for.
    for (auto it = m_sent.begin(); it != m_sent.end() && it->first < from;) {
        m_pool.drop(it->second.ticket);
        it = m_sent.erase(it);
    }
    qint64 expected = 0;
    for (const auto& [position, sent] : m_sent) {
        const qint64 bytes = m_pool.resultBytes(sent.ticket);
        expected += bytes < 0 ? m_largestAnswer : bytes;
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
        if (!request)
            continue;
        // The file whose turn it is goes whatever the others hold.
        if (position > from && expected + m_largestAnswer > m_budget)
            return;
        expected += m_largestAnswer;
        m_sent.emplace(position, Sent{*request, m_pool.submit(*request)});
    }
}

Extractor::Ticket Lookahead::claim(int position, const ExtractRequest& request) {
    const auto sent = m_sent.find(position);
    if (sent != m_sent.end()) {
        const Sent entry = sent->second;
        m_sent.erase(sent);
        if (entry.request == request) {
            if (!m_pool.isFinished(entry.ticket))
                m_claimed.insert(entry.ticket);
            return entry.ticket;
        }
        m_pool.drop(entry.ticket);
    }
    const Extractor::Ticket ticket = m_pool.submit(request);
    if (!m_pool.isFinished(ticket))
        m_claimed.insert(ticket);
    return ticket;
}

void Lookahead::dropAll() {
    for (const auto& [position, sent] : m_sent)
        m_pool.drop(sent.ticket);
    m_sent.clear();
}

qint64 Lookahead::heldBytes() const {
    qint64 held = 0;
    for (const auto& [position, sent] : m_sent)
        held += std::max<qint64>(0, m_pool.resultBytes(sent.ticket));
    return held;
}

int lookaheadDepth(const Extractor& pool) {
    return 2 * pool.parallelRequests();
}

} // namespace corvander
