#pragma once

#include "extract/extract_request.h"
#include "extract/ocr_settings.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <deque>
#include <memory>
#include <vector>

namespace corvander {

class WorkerSlot;

struct PoolSettings {
    // The worker program, corvander-extract.
    QString program;
    // How many workers may run at once.
    int workers = 1;
    // A request that takes longer is given up and its worker replaced.
    int timeoutMilliseconds = 60000;
    // How long the OCR of one page may take; a request is given this much more time for each
    // page it reads by OCR.
    int ocrPageTimeoutMilliseconds = 120000;

    // The number of cores, 60 s and 120 s, unless CORVANDER_WORKERS, CORVANDER_EXTRACT_TIMEOUT
    // or CORVANDER_OCR_TIMEOUT (in seconds) say otherwise.
    static PoolSettings fromEnvironment(const QString& program);
};

// The extraction workers: started on first use, several at once, and kept until shutdown(). A
// worker that dies or hangs on a document is replaced, and that document gets no answer but its
// outcome. Requests are answered in whatever order the workers finish; callers take each result
// by its ticket when they need it.
class ExtractionPool : public QObject {
    Q_OBJECT
public:
    using Ticket = quint64;

    explicit ExtractionPool(PoolSettings settings, QObject* parent = nullptr);
    ~ExtractionPool() override;

    Ticket submit(const ExtractRequest& request);
    bool isFinished(Ticket ticket) const;
    // The result of a finished request; the pool forgets the ticket.
    ExtractResult take(Ticket ticket);
    // Withdraws a request: it is not sent if it still waits, and its answer is thrown away.
    void drop(Ticket ticket);
    // Kills every worker at once. Requests still open, and any sent later, end as dropped.
    void shutdown();

    const PoolSettings& settings() const { return m_settings; }
    // With OCR on, every text request reads its pages without words by OCR; requests already
    // sent keep the settings they were sent with.
    void setOcr(const OcrSettings& ocr) { m_ocr = ocr; }
    const OcrSettings& ocr() const { return m_ocr; }
    // Why no worker could be started, the first time it is asked; empty afterwards and when the
    // workers run. Every request meanwhile ends with the outcome NoWorker.
    QString takeStartFailure();
    // True from the moment no worker could be started; stays true.
    bool cannotStart() const { return m_cannotStart; }
    // How many requests went to a worker so far.
    qint64 requestsSent() const { return m_requestsSent; }
    // The workers running now, by process id.
    QList<qint64> workerProcessIds() const;

Q_SIGNALS:
    void finished(corvander::ExtractionPool::Ticket ticket);

private:
    void dispatch();
    void answered(Ticket ticket, const ExtractResult& result);
    void workersCannotStart(const QString& description);
    void complete(Ticket ticket, const ExtractResult& result);

    PoolSettings m_settings;
    OcrSettings m_ocr;
    std::vector<std::unique_ptr<WorkerSlot>> m_slots;
    std::deque<std::pair<Ticket, ExtractRequest>> m_queue;
    QSet<Ticket> m_open;
    QHash<Ticket, ExtractResult> m_results;
    Ticket m_lastTicket = 0;
    qint64 m_requestsSent = 0;
    bool m_shutDown = false;
    bool m_cannotStart = false;
    QString m_startFailure;
    bool m_startFailureTaken = false;
};

} // namespace corvander
