#include "extract/worker_slot.h"

#include "extract/worker_messages.h"

#include <QProcessEnvironment>
#include <cstdlib>

namespace corvander {

namespace {

using protocol::Tag;

ExtractResult ended(ExtractResult::Outcome outcome) {
    ExtractResult result;
    result.outcome = outcome;
    return result;
}

} // namespace

WorkerSlot::WorkerSlot(QString program, int timeoutMilliseconds, int ocrPageTimeoutMilliseconds,
                       QObject* parent)
    : QObject(parent), m_program(std::move(program)), m_timeoutMilliseconds(timeoutMilliseconds),
      m_ocrPageTimeoutMilliseconds(ocrPageTimeoutMilliseconds) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { stop(ExtractResult::Outcome::TimedOut); });
}

WorkerSlot::~WorkerSlot() {
    discardWorker();
    // Killed workers not yet reaped go with the slot; reaping them is quick after a kill.
    for (QProcess* process : findChildren<QProcess*>()) {
        process->kill();
        process->waitForFinished(1000);
    }
}

qint64 WorkerSlot::processId() const {
    return m_process ? m_process->processId() : 0;
}

void WorkerSlot::send(quint64 ticket, const ExtractRequest& request) {
    m_ticket = ticket;
    if (!m_process)
        startWorker();
    // A worker that could not even be started has already answered for this request.
    if (!m_process)
        return;
    const std::string frame = encodeRequest(ticket, request, m_ocrPageTimeoutMilliseconds);
    m_process->write(frame.data(), qint64(frame.size()));
    m_timer.start(m_timeoutMilliseconds);
}

void WorkerSlot::stop(ExtractResult::Outcome outcome) {
    discardWorker();
    finish(ended(outcome));
}

void WorkerSlot::startWorker() {
    m_reader = {};
    m_process = new QProcess(this);
    m_process->setProgram(m_program);
    // Each worker reads by OCR on one thread: workers side by side would otherwise fight over
    // the processors, and the worker would start itself again to get this.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    m_process->setProcessEnvironment(environment);
    // Standard error carries nothing the program needs; the worker keeps poppler quiet anyway.
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::readyReadStandardOutput, this, &WorkerSlot::readAnswers);
    connect(m_process, &QProcess::finished, this, &WorkerSlot::workerEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString description = m_process->errorString();
        discardWorker();
        // The pool learns first, so that it sends nothing more to a program that cannot run.
        Q_EMIT failedToStart(description);
        finish(ended(ExtractResult::Outcome::NoWorker));
    });
    m_process->start(QIODevice::ReadWrite);
}

void WorkerSlot::readAnswers() {
    const QByteArray bytes = m_process->readAllStandardOutput();
    m_reader.append(std::string_view(bytes.constData(), size_t(bytes.size())));
    protocol::Fields answer;
    protocol::FrameReader::State state;
    while ((state = m_reader.next(answer)) == protocol::FrameReader::State::Frame) {
        // An answer nobody asked for means the worker lost its way: it is never trusted again.
        if (m_ticket == 0 || answer.number(Tag::Id, -1) != static_cast<long long>(m_ticket)) {
            stop(ExtractResult::Outcome::WorkerDied);
            return;
        }
        // Only an answer has a status. A page read by OCR has its own time limit, which the
        // request's starts again with.
        if (!answer.has(Tag::Status)) {
            const std::string progress = answer.value(Tag::Progress);
            const std::string_view prefix = protocol::kProgressOcrPage;
            if (progress.starts_with(prefix)) {
                m_timer.start(m_timeoutMilliseconds + m_ocrPageTimeoutMilliseconds);
                Q_EMIT ocrPageStarted(m_ticket, std::atoi(progress.c_str() + prefix.size()));
            }
            continue;
        }
        finish(decodeAnswer(answer));
    }
    if (state == protocol::FrameReader::State::Broken)
        stop(ExtractResult::Outcome::WorkerDied);
}

void WorkerSlot::workerEnded() {
    // Whatever part of an answer arrived before the end is thrown away with the worker.
    discardWorker();
    finish(ended(ExtractResult::Outcome::WorkerDied));
}

void WorkerSlot::finish(const ExtractResult& result) {
    m_timer.stop();
    if (m_ticket == 0)
        return;
    const quint64 ticket = m_ticket;
    m_ticket = 0;
    Q_EMIT answered(ticket, result);
}

void WorkerSlot::discardWorker() {
    if (!m_process)
        return;
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // Killed at once; the process object goes once the system has reaped the worker.
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

} // namespace corvander
