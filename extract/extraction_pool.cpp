#include "extract/extraction_pool.h"

#include "extract/worker_count.h"

#include "common/environment_value.h"
#include "worker/worker_limits.h"
#include "worker_slot.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <algorithm>

namespace corvander {

namespace {

constexpr qint64 kDefaultTimeoutSeconds = 60;
// A day: no document is worth more, and twice this many milliseconds still fit in an int.
constexpr qint64 kMostSeconds = 86400;

// The worker reads its own limits, but its standard error goes nowhere: what is wrong with them
// is said here, by the same rules.
void checkWorkerLimits() {
    const worker::Limits defaults;
    wholeNumberFromEnvironment(worker::kMemoryVariable, qint64(worker::kMemoryMegabytes.least),
                               qint64(worker::kMemoryMegabytes.most),
                               qint64(defaults.addressSpaceBytes >> 20));
    wholeNumberFromEnvironment(worker::kCpuSecondsVariable, qint64(worker::kCpuSeconds.least),
                               qint64(worker::kCpuSeconds.most),
                               qint64(defaults.cpuSecondsPerRequest));
}

ExtractResult withOutcome(ExtractResult::Outcome outcome) {
    ExtractResult result;
    result.outcome = outcome;
    return result;
}

} // namespace

PoolSettings PoolSettings::fromEnvironment(const QString& program) {
    PoolSettings settings;
    settings.program = program;
    settings.workers =
        int(wholeNumberFromEnvironment("CORVANDER_WORKERS", 1, kMostWorkers,
                                       std::clamp(QThread::idealThreadCount(), 1, kMostWorkers)));
    settings.timeoutMilliseconds =
        int(wholeNumberFromEnvironment("CORVANDER_EXTRACT_TIMEOUT", 1, kMostSeconds,
                                       kDefaultTimeoutSeconds) *
            1000);
    // Fractions of a second are taken too, so that a test can cut OCR short.
    settings.ocrPageTimeoutMilliseconds = int(millisecondsFromEnvironment(
        "CORVANDER_OCR_TIMEOUT", 0.001, double(kMostSeconds), settings.ocrPageTimeoutMilliseconds));
    checkWorkerLimits();
    return settings;
}

ExtractionPool::ExtractionPool(PoolSettings settings, QObject* parent)
    : Extractor(parent), m_settings(std::move(settings)) {
    m_settings.workers = std::clamp(m_settings.workers, 1, kMostWorkers);
    for (int i = 0; i < m_settings.workers; ++i) {
        auto slot = std::make_unique<WorkerSlot>(m_settings.program, m_settings.timeoutMilliseconds,
                                                 m_settings.ocrPageTimeoutMilliseconds);
        connect(slot.get(), &WorkerSlot::answered, this, &ExtractionPool::answered);
        connect(slot.get(), &WorkerSlot::ocrPageStarted, this, &ExtractionPool::noteOcrPage);
        connect(slot.get(), &WorkerSlot::failedToStart, this, &ExtractionPool::workersCannotStart);
        m_slots.push_back(std::move(slot));
    }
}

ExtractionPool::~ExtractionPool() {
    shutdown();
}

ExtractionPool::Ticket ExtractionPool::submit(const ExtractRequest& request) {
    const Ticket ticket = ++m_lastTicket;
    m_open.insert(ticket);
    if (m_shutDown) {
        complete(ticket, withOutcome(ExtractResult::Outcome::Dropped));
        return ticket;
    }
    if (m_cannotStart) {
        complete(ticket, withOutcome(ExtractResult::Outcome::NoWorker));
        return ticket;
    }
    // A worker has its own current folder: it is given the path as the caller means it now.
    ExtractRequest absolute = request;
    if (request.kind != ExtractRequest::Kind::Languages)
        absolute.path = QDir::current().absoluteFilePath(request.path);
    if (request.kind == ExtractRequest::Kind::Text && m_ocr.enabled)
        submitWithOcr(ticket, std::move(absolute));
    else
        enqueue(ticket, absolute);
    return ticket;
}

void ExtractionPool::enqueue(Ticket ticket, const ExtractRequest& request, bool first) {
    if (first)
        m_queue.emplace_front(ticket, request);
    else
        m_queue.emplace_back(ticket, request);
    dispatch();
}

bool ExtractionPool::isFinished(Ticket ticket) const {
    return m_results.contains(ticket) || !m_open.contains(ticket);
}

qint64 ExtractionPool::resultBytes(Ticket ticket) const {
    const auto found = m_results.constFind(ticket);
    if (found == m_results.constEnd())
        return -1;
    qint64 bytes =
        found->text.size() + found->info.size() + found->xml.size() + found->image.size();
    for (const PageWords& page : found->pageWords) {
        for (const WordBox& word : page.words)
            bytes += qint64(sizeof word) + word.text.size() * qint64(sizeof(QChar));
    }
    return bytes;
}

ExtractResult ExtractionPool::take(Ticket ticket) {
    return m_results.take(ticket);
}

void ExtractionPool::drop(Ticket ticket) {
    dropOcrParts(ticket);
    m_ocrUnderWay.remove(ticket);
    m_ocrTally.remove(ticket);
    m_open.remove(ticket);
    m_results.remove(ticket);
    const auto queued = std::find_if(m_queue.begin(), m_queue.end(),
                                     [ticket](const auto& entry) { return entry.first == ticket; });
    if (queued != m_queue.end()) {
        m_queue.erase(queued);
        m_ocrKeys.remove(ticket);
        m_ocrPaths.remove(ticket);
    }
}

void ExtractionPool::shutdown() {
    m_shutDown = true;
    m_queue.clear();
    m_ocrJobs.clear();
    m_orderedJobs.clear();
    m_wordRequests.clear();
    m_wordJobs.clear();
    m_ocrPartOf.clear();
    m_ocrUnderWay.clear();
    m_ocrTally.clear();
    for (const auto& slot : m_slots)
        slot->stop(ExtractResult::Outcome::Dropped);
    m_open.clear();
}

QString ExtractionPool::takeStartFailure() {
    if (!m_cannotStart || m_startFailureTaken)
        return {};
    m_startFailureTaken = true;
    return m_startFailure;
}

QList<qint64> ExtractionPool::workerProcessIds() const {
    QList<qint64> ids;
    for (const auto& slot : m_slots) {
        if (const qint64 id = slot->processId())
            ids << id;
    }
    return ids;
}

void ExtractionPool::dispatch() {
    for (const auto& slot : m_slots) {
        if (m_queue.empty() || m_cannotStart)
            return;
        if (!slot->isIdle())
            continue;
        auto [ticket, request] = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_requestsSent;
        slot->send(ticket, request);
    }
}

void ExtractionPool::answered(Ticket ticket, const ExtractResult& result) {
    // The worker that answered gets its next request before the answer is handed on: whoever
    // takes it may work on it for a while (a copy, its digest), and the worker would wait idle.
    dispatch();
    m_ocrPaths.remove(ticket);
    if (const auto key = m_ocrKeys.constFind(ticket); key != m_ocrKeys.constEnd()) {
        m_ocrCache.offer(*key, result);
        m_ocrKeys.erase(key);
    }
    if (m_ocrPartOf.contains(ticket))
        ocrPartAnswered(ticket, result);
    else if (!textOfOcrJobRead(ticket, result) && !textOfOrderedJobRead(ticket, result))
        complete(ticket, result);
    dispatch();
}

void ExtractionPool::workersCannotStart(const QString& description) {
    if (!m_cannotStart) {
        m_cannotStart = true;
        m_startFailure =
            QCoreApplication::translate("corvander::ReadabilityCheck",
                                        "The extraction program \"%1\" could not be started (%2). "
                                        "Please reinstall Corvander.")
                .arg(m_settings.program, description);
    }
    // As answers, so that a document read in parts ends with its parts.
    while (!m_queue.empty()) {
        const Ticket ticket = m_queue.front().first;
        m_queue.pop_front();
        answered(ticket, withOutcome(ExtractResult::Outcome::NoWorker));
    }
}

void ExtractionPool::complete(Ticket ticket, const ExtractResult& result) {
    if (m_wordRequests.contains(ticket) && readWordPagesByOcr(ticket, result))
        return;
    // An answer to a withdrawn request is not kept.
    m_ocrUnderWay.remove(ticket);
    m_ocrTally.remove(ticket);
    if (!m_open.remove(ticket))
        return;
    m_results.insert(ticket, result);
    Q_EMIT finished(ticket);
}

} // namespace corvander
