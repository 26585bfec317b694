#pragma once

#include "extract/extractor.h"

#include <QHash>
#include <QList>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace corvander {

// An extractor without workers: each request is answered from the answers it was given, found by
// the request itself, when the test says so (or at once). A request it has no answer for ends as a
// worker that died on it would. It remembers what was asked and what was withdrawn.
class FakeExtractor : public corvander::Extractor {
public:
    // Answers every request at the moment it is sent.
    bool answerAtOnce = true;
    // Asked for a request that has no answer of its own; nothing ends it as a dead worker would.
    std::function<std::optional<corvander::ExtractResult>(const corvander::ExtractRequest&)>
        answerer;
    int parallel = 1;

    void addAnswer(const corvander::ExtractRequest& request, corvander::ExtractResult result) {
        m_answers.emplace_back(request, std::move(result));
    }
    // The answer to any request for the file that has no answer of its own.
    void addAnswerForFile(const QString& path, corvander::ExtractResult result) {
        m_answersByFile.insert(path, std::move(result));
    }

    // Answers every request sent and not yet answered, in the order they were sent.
    void answerWaiting() {
        const QList<Ticket> waiting = m_waiting;
        m_waiting.clear();
        for (const Ticket ticket : waiting)
            answer(ticket);
    }

    const QList<corvander::ExtractRequest>& sent() const { return m_sent; }
    const QList<Ticket>& dropped() const { return m_dropped; }

    Ticket submit(const corvander::ExtractRequest& request) override {
        const Ticket ticket = ++m_last;
        m_sent.append(request);
        m_requests.insert(ticket, request);
        if (answerAtOnce)
            answer(ticket);
        else
            m_waiting.append(ticket);
        return ticket;
    }
    bool isFinished(Ticket ticket) const override { return m_results.contains(ticket); }
    qint64 resultBytes(Ticket ticket) const override {
        const auto found = m_results.constFind(ticket);
        if (found == m_results.cend())
            return -1;
        return found->text.size() + found->info.size() + found->xml.size();
    }
    corvander::ExtractResult take(Ticket ticket) override { return m_results.take(ticket); }
    void drop(Ticket ticket) override {
        m_dropped.append(ticket);
        m_waiting.removeAll(ticket);
        m_results.remove(ticket);
        m_requests.remove(ticket);
    }
    std::optional<OcrPage> ocrPageUnderWay(Ticket) const override { return std::nullopt; }
    QString takeStartFailure() override { return {}; }
    const corvander::OcrSettings& ocr() const override { return m_ocr; }
    void setOcr(const corvander::OcrSettings& ocr) { m_ocr = ocr; }
    int parallelRequests() const override { return parallel; }

private:
    void answer(Ticket ticket) {
        const corvander::ExtractRequest request = m_requests.take(ticket);
        corvander::ExtractResult result;
        result.outcome = corvander::ExtractResult::Outcome::WorkerDied;
        if (const auto byFile = m_answersByFile.constFind(request.path);
            byFile != m_answersByFile.cend())
            result = *byFile;
        if (answerer) {
            if (std::optional<corvander::ExtractResult> answered = answerer(request))
                result = std::move(*answered);
        }
        for (const auto& [known, answer] : m_answers) {
            if (known == request) {
                result = answer;
                break;
            }
        }
        m_results.insert(ticket, result);
        Q_EMIT finished(ticket);
    }

    std::vector<std::pair<corvander::ExtractRequest, corvander::ExtractResult>> m_answers;
    QHash<QString, corvander::ExtractResult> m_answersByFile;
    QHash<Ticket, corvander::ExtractRequest> m_requests;
    QHash<Ticket, corvander::ExtractResult> m_results;
    QList<Ticket> m_waiting;
    QList<corvander::ExtractRequest> m_sent;
    QList<Ticket> m_dropped;
    corvander::OcrSettings m_ocr;
    Ticket m_last = 0;
};

} // namespace corvander
