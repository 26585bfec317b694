// A watched inbox: (a) `corvander watch` naming files dropped into its inbox against (b) a plain
// loop of `pdftotext -eol dos -l 1` and a copy under the first words, for the same files. Also:
// how soon a single file dropped into a waiting watch is copied, and the watch's peak memory
// after the drop beside that of `corvander rename` over the same files.
#include "bench/bench_files.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/process_memory.h"
#include "common/error_report.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace corvander {

namespace {

constexpr int kDropped = 10000;
constexpr int kSingleDrops = 5;
constexpr int kWords = 3;
constexpr double kTarget = 1.0;
constexpr double kLatencyTarget = 2.0;

qsizetype countIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files).size();
}

// Waits until the folder holds `count` files; raises when that takes longer than the limit.
void waitForCount(const QString& folder, qsizetype count, int seconds) {
    const QDeadlineTimer deadline(qint64(seconds) * 1000);
    while (countIn(folder) < count) {
        if (deadline.hasExpired())
            raiseError(QStringLiteral("the watch copied %1 of %2 files in %3 s")
                           .arg(countIn(folder))
                           .arg(count)
                           .arg(seconds));
        QThread::msleep(5);
    }
}

// A watch started over an inbox, with its own settings and journals; stopped as a service is.
class WatchProcess {
public:
    WatchProcess(const QString& inbox, const QString& results, const QString& home) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
        m_process.setProcessEnvironment(environment);
        m_process.setStandardOutputFile(home + QStringLiteral("/watch.out"));
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral(CORVANDER_PROGRAM),
                        {QStringLiteral("watch"), QStringLiteral("--words"),
                         QString::number(kWords), QStringLiteral("--to"), results, inbox});
        if (!m_process.waitForStarted())
            raiseError(QStringLiteral("corvander watch could not be started"));
    }
    ~WatchProcess() {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        m_process.waitForFinished(60000);
    }
    qint64 peakBytes() const { return peakResidentBytes(m_process.processId()); }

private:
    QProcess m_process;
};

// Moves the files into the inbox, the way a scanner's app drops finished files.
void drop(const QStringList& pdfs, const QString& inbox) {
    for (const QString& pdf : pdfs) {
        if (!QFile::rename(pdf, inbox + QLatin1Char('/') + QFileInfo(pdf).fileName()))
            raiseError(QStringLiteral("could not move %1 into the inbox").arg(pdf));
    }
}

double plainLoop(const QString& pdftotext, const QStringList& pdfs, const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("plain-results"));
    const QString output =
        emptyFolder(scratch, QStringLiteral("plain-work")) + QStringLiteral("/out.txt");
    return timeSeconds([&] {
        for (const QString& pdf : pdfs) {
            runPlainly(pdftotext,
                       {QStringLiteral("-eol"), QStringLiteral("dos"), QStringLiteral("-l"),
                        QStringLiteral("1"), QStringLiteral("--"), pdf, output});
            copyUnderFirstWords(pdf, output, kWords, results);
        }
    });
}

// The peak memory of `corvander rename` over the same files, read as it ends.
qint64 renamePeakBytes(const QString& folder, const QString& scratch) {
    const QString results = emptyFolder(scratch, QStringLiteral("rename-results"));
    QProcess rename;
    rename.setStandardOutputFile(QProcess::nullDevice());
    rename.start(QStringLiteral(CORVANDER_PROGRAM),
                 {QStringLiteral("rename"), QStringLiteral("--words"), QString::number(kWords),
                  QStringLiteral("--to"), results, folder});
    qint64 peak = -1;
    while (!rename.waitForFinished(20))
        peak = std::max(peak, peakResidentBytes(rename.processId()));
    return peak;
}

QString mebibytes(qint64 bytes) {
    return QString::number(double(bytes) / 1048576.0, 'f', 1) + QStringLiteral(" MiB");
}

BenchResult measureWatch(const BenchSetup& setup) {
    const QString pdftotext = requireProgram(QStringLiteral("pdftotext"));
    const int count = setup.givenFiles > 0 ? setup.givenFiles : kDropped;
    const QString staged = emptyFolder(setup.scratchFolder, QStringLiteral("staged"));
    // The single drops come last: a watch skips what it already copied, so no two files alike.
    const QStringList written = makeSmallPdfs(staged, count + kSingleDrops + 1);
    if (written.size() != count + kSingleDrops + 1)
        raiseError(QStringLiteral("could not write the dropped files"));
    const QStringList pdfs = written.mid(0, count);
    const QStringList singlePdfs = written.mid(count);
    const double plain = plainLoop(pdftotext, pdfs, setup.scratchFolder);

    const QString inbox = emptyFolder(setup.scratchFolder, QStringLiteral("inbox"));
    const QString results = emptyFolder(setup.scratchFolder, QStringLiteral("named"));
    const QString home = emptyFolder(setup.scratchFolder, QStringLiteral("home"));
    WatchProcess watch(inbox, results, home);
    // The watch is up once the file that was there first is copied.
    drop(singlePdfs.mid(0, 1), inbox);
    waitForCount(results, 1, 30);
    double slowest = 0;
    for (int i = 1; i <= kSingleDrops; ++i) {
        QElapsedTimer clock;
        clock.start();
        drop(singlePdfs.mid(i, 1), inbox);
        waitForCount(results, 1 + i, 30);
        slowest = std::max(slowest, double(clock.nsecsElapsed()) / 1e9);
    }
    const double dropped = timeSeconds([&] {
        drop(pdfs, inbox);
        waitForCount(results, 1 + kSingleDrops + count, 600);
    });
    const qint64 watchPeak = watch.peakBytes();
    const qint64 renamePeak = renamePeakBytes(inbox, setup.scratchFolder);

    BenchResult result;
    result.lines
        << QStringLiteral("%1 one-page PDF files dropped at once into a watched inbox").arg(count)
        << QStringLiteral("a single file dropped into a waiting watch, copied after: "
                          "%1 s at the slowest of %2, target under %3 s: %4")
               .arg(slowest, 0, 'f', 3)
               .arg(kSingleDrops)
               .arg(kLatencyTarget)
               .arg(verdict(slowest < kLatencyTarget))
        << QStringLiteral("peak memory: the watch after the drop %1, corvander rename over "
                          "the same files %2")
               .arg(mebibytes(watchPeak), mebibytes(renamePeak));
    result.comparisons.append(
        {QStringLiteral("corvander watch, from the drop to the last copy"), dropped,
         QStringLiteral("pdftotext -eol dos -l 1 and a copy, per file"), plain, kTarget});
    return result;
}

const MeasurementRegistration registration("--watch", "a watched inbox", &measureWatch,
                                           RunOrder::Watch, true, Files::Own);

} // namespace

} // namespace corvander
