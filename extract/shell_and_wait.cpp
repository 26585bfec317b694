#include "extract/shell_and_wait.h"

#include "common/vb_convert.h"
#include "common/window_port.h"

#include <QCoreApplication>
#include <QList>
#include <QProcess>

namespace {

// The children being waited for, innermost last: a wait can run inside another one when an
// event handler starts an extraction while a run is under way.
QList<QProcess*>& runningChildren() {
    static QList<QProcess*> children;
    return children;
}

class RunningChild {
public:
    explicit RunningChild(QProcess* process) : m_process(process) {
        runningChildren().append(process);
    }
    ~RunningChild() { runningChildren().removeOne(m_process); }
    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;

private:
    QProcess* m_process;
};

void letEventsRun() {
    QCoreApplication::processEvents();
}

void showProgress(ProgressView& bar, int counter, const QString& baseText, int startValue,
                  int fileCount) {
    letEventsRun();
    if (counter < 50)
        return;
    letEventsRun();
    bar.setProgressText(waitingText(counter, baseText));
    if (isCreepPass(counter))
        bar.setProgressValue(creepValue(counter, startValue, fileCount));
    letEventsRun();
}

} // namespace

QString waitingText(int counter, const QString& baseText) {
    QString text = baseText;
    if (!baseText.isEmpty())
        text += QStringLiteral(", ");
    return text + QStringLiteral("Please wait.. ") + QString::number(counter - 50);
}

bool isCreepPass(int counter) {
    return counter >= 50 && (counter - 50) % 150 == 0;
}

int creepValue(int counter, int startValue, int fileCount) {
    double step = 0;
    double limit = 0;
    if (fileCount != 0) {
        step = roundHalfEven(100.0 / fileCount / 10.0);
        limit = roundHalfEven(100.0 / fileCount + startValue - step);
    } else {
        step = roundHalfEven((100.0 - startValue) / 10.0);
        limit = 100 - step;
    }
    const double value = (counter - 50) / 150.0 * step + startValue;
    if (value >= limit)
        return int(limit);
    return int(roundHalfEven(value));
}

int ShellAndWait(const QString& program, const QStringList& arguments, const QString& stdoutFile,
                 ProgressView* bar, const QString& baseText, int startValue, int fileCount,
                 OutputMode outputMode) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (stdoutFile.isEmpty())
        process.setStandardOutputFile(QProcess::nullDevice());
    else
        process.setStandardOutputFile(
            stdoutFile, outputMode == OutputMode::Append ? QIODevice::Append : QIODevice::Truncate);
    process.start();
    if (!process.waitForStarted(-1))
        return kStartFailure;

    const RunningChild registration(&process);
    int counter = 0;
    bool running = true;
    while (running) {
        running = process.state() != QProcess::NotRunning;
        // Returns as soon as the child ends, so a quick extraction costs no idle time.
        if (running)
            process.waitForFinished(100);
        letEventsRun();
        if (bar)
            showProgress(*bar, ++counter, baseText, startValue, fileCount);
        letEventsRun();
        letEventsRun();
    }
    if (bar)
        bar->setProgressText(baseText.isEmpty() ? QStringLiteral("Progress Bar") : baseText);
    return process.exitCode();
}

void KillRunningChildren() {
    for (QProcess* process : runningChildren()) {
        process->kill();
        process->waitForFinished(1000);
    }
}
