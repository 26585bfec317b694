#pragma once

#include "worker/frame_codec.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace corvander {

// The test process's environment with the worker's test requests enabled and TZ as given.
QProcessEnvironment workerEnvironment(const QString& timeZone = QStringLiteral("UTC"));

// The worker as shipped, and the tests' build of it, which also knows the requests that crash or
// hang it.
inline const QString kShippedWorker = QStringLiteral(CORVANDER_EXTRACT_PROGRAM);
inline const QString kTestingWorker = QStringLiteral(CORVANDER_EXTRACT_TESTING_PROGRAM);

// One running corvander-extract, spoken to through the frame codec as the program does.
class WorkerSession {
public:
    explicit WorkerSession(const QProcessEnvironment& environment = workerEnvironment(),
                           const QString& program = kShippedWorker);
    ~WorkerSession();

    // Sends one request and waits for its answer; nullopt when none comes in time.
    std::optional<corvander::protocol::Fields> ask(const corvander::protocol::Fields& request,
                                                   int timeoutMs = 60000);
    void send(const QByteArray& bytes);
    // The next frame, answer or progress.
    std::optional<corvander::protocol::Fields> nextAnswer(int timeoutMs);
    // Sends one request and waits for its answer, the frame with a status; the Progress values of
    // the frames before it go into progress when given.
    std::optional<corvander::protocol::Fields>
    askPastProgress(const corvander::protocol::Fields& request,
                    QList<QByteArray>* progress = nullptr, int timeoutMs = 90000);

    // Closes the worker's input and waits for it to end.
    bool finish(int timeoutMs = 10000);
    // Whether the worker has ended or ends within the time.
    bool ended(int timeoutMs);
    QProcess& process() { return m_process; }
    // A line of /proc/PID/status or /proc/PID/limits that starts with label.
    QByteArray procLine(const char* file, const QByteArray& label) const;

private:
    QProcess m_process;
    corvander::protocol::FrameReader m_reader;
};

// A request for the text of pages first..last, or for the document information.
corvander::protocol::Fields textRequest(const QString& path, int first = 0, int last = 0);
corvander::protocol::Fields infoRequest(const QString& path);
// A text request that reads wordless pages by OCR in the languages ("" sends no OcrLanguages).
corvander::protocol::Fields ocrRequest(const QString& path, int first = 0, int last = 0,
                                       const char* languages = "");
corvander::protocol::Fields withPassword(corvander::protocol::Fields request,
                                         const QByteArray& password);

// A field of an answer as bytes; the status and page count as numbers (-100 when missing).
QByteArray field(const corvander::protocol::Fields& answer, corvander::protocol::Tag tag);
int number(const corvander::protocol::Fields& answer, corvander::protocol::Tag tag);

} // namespace corvander
