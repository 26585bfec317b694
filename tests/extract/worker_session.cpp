#include "tests/extract/worker_session.h"

#include <QDeadlineTimer>
#include <QFile>

namespace corvander {

using corvander::protocol::Fields;
using corvander::protocol::FrameReader;
using corvander::protocol::Tag;

WorkerSession::WorkerSession(const QProcessEnvironment& environment, const QString& program) {
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {});
    m_process.waitForStarted();
}

WorkerSession::~WorkerSession() {
    if (m_process.state() != QProcess::NotRunning && !finish(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QProcessEnvironment workerEnvironment(const QString& timeZone) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(corvander::protocol::kTestRequestsVariable),
                       QStringLiteral("1"));
    environment.insert(QStringLiteral("TZ"), timeZone);
    return environment;
}

std::optional<Fields> WorkerSession::ask(const Fields& request, int timeoutMs) {
    send(QByteArray::fromStdString(request.encode()));
    return nextAnswer(timeoutMs);
}

void WorkerSession::send(const QByteArray& bytes) {
    m_process.write(bytes);
    m_process.waitForBytesWritten(5000);
}

std::optional<Fields> WorkerSession::nextAnswer(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        Fields answer;
        const FrameReader::State state = m_reader.next(answer);
        if (state == FrameReader::State::Frame)
            return answer;
        if (state == FrameReader::State::Broken)
            return std::nullopt;
        const bool more = m_process.bytesAvailable() > 0 ||
                          m_process.waitForReadyRead(int(deadline.remainingTime()));
        if (!more)
            return std::nullopt;
        m_reader.append(m_process.readAllStandardOutput().toStdString());
    }
}

std::optional<Fields> WorkerSession::askPastProgress(const Fields& request,
                                                     QList<QByteArray>* progress, int timeoutMs) {
    send(QByteArray::fromStdString(request.encode()));
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        std::optional<Fields> frame = nextAnswer(int(deadline.remainingTime()));
        if (!frame || frame->has(Tag::Status))
            return frame;
        if (progress)
            progress->append(QByteArray::fromStdString(frame->value(Tag::Progress)));
    }
}

bool WorkerSession::finish(int timeoutMs) {
    m_process.closeWriteChannel();
    return ended(timeoutMs);
}

bool WorkerSession::ended(int timeoutMs) {
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

QByteArray WorkerSession::procLine(const char* file, const QByteArray& label) const {
    QFile proc(QStringLiteral("/proc/%1/%2").arg(m_process.processId()).arg(QLatin1String(file)));
    if (!proc.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : proc.readAll().split('\n')) {
        if (line.startsWith(label))
            return line;
    }
    return {};
}

Fields textRequest(const QString& path, int first, int last) {
    Fields request;
    request.add(Tag::Operation, corvander::protocol::kOperationText);
    request.add(Tag::Id, "t");
    request.add(Tag::Path, QFile::encodeName(path).toStdString());
    request.addNumber(Tag::FirstPage, first);
    request.addNumber(Tag::LastPage, last);
    return request;
}

Fields infoRequest(const QString& path) {
    Fields request;
    request.add(Tag::Operation, corvander::protocol::kOperationInfo);
    request.add(Tag::Id, "i");
    request.add(Tag::Path, QFile::encodeName(path).toStdString());
    return request;
}

Fields ocrRequest(const QString& path, int first, int last, const char* languages) {
    Fields request = textRequest(path, first, last);
    request.add(Tag::Ocr, "1");
    if (*languages != '\0')
        request.add(Tag::OcrLanguages, languages);
    return request;
}

Fields withPassword(Fields request, const QByteArray& password) {
    request.add(Tag::Password, password.toStdString());
    return request;
}

QByteArray field(const Fields& answer, Tag tag) {
    return QByteArray::fromStdString(answer.value(tag));
}

int number(const Fields& answer, Tag tag) {
    return int(answer.number(tag, -100));
}

} // namespace corvander
