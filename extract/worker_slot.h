#pragma once

#include "extract/extract_request.h"
#include "worker/frame_codec.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace corvander {

// One running worker and the one request it is answering. The pool owns the slots; a slot whose
// worker died or was killed gets a new worker the next time it is given work.
class WorkerSlot : public QObject {
    Q_OBJECT
public:
    WorkerSlot(QString program, int timeoutMilliseconds, int ocrPageTimeoutMilliseconds,
               QObject* parent = nullptr);
    ~WorkerSlot() override;

    bool isIdle() const { return m_ticket == 0; }
    quint64 ticket() const { return m_ticket; }
    qint64 processId() const;

    // Sends the request, starting a worker first when none runs.
    void send(quint64 ticket, const ExtractRequest& request);
    // Kills the worker at once; a request under way ends as `outcome`.
    void stop(ExtractResult::Outcome outcome);

Q_SIGNALS:
    void answered(quint64 ticket, const corvander::ExtractResult& result);
    // The worker began to read a page of the request by OCR.
    void ocrPageStarted(quint64 ticket, int page);
    void failedToStart(const QString& description);

private:
    void startWorker();
    void readAnswers();
    void workerEnded();
    void finish(const ExtractResult& result);
    void discardWorker();

    QString m_program;
    int m_timeoutMilliseconds;
    int m_ocrPageTimeoutMilliseconds;
    QProcess* m_process = nullptr;
    protocol::FrameReader m_reader;
    QTimer m_timer;
    quint64 m_ticket = 0;
};

} // namespace corvander
