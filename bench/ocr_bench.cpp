// (a) OCR of scanned pages through the extraction worker, spoken to through its own protocol as
// the program speaks to it, and through the program's own pool, against (b) the plain `tesseract
// IMAGE - -l eng` command on the same page images. Also: the throughput of two workers side by
// side, the share of each page's first five words read right, and the workers' memory.
//
// The scans are the benchmark's own: pages of known text in English, German and French, drawn at
// 300 dpi as grey pictures and wrapped as PDFs without text.
#include "bench/measurement.h"
#include "bench/ocr_scans.h"
#include "common/error_report.h"
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "tests/support/scanned_pages.h"
#include "worker/frame_codec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

#include <functional>
#include <limits>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::FrameReader;
using corvander::protocol::Tag;

constexpr int kTimeoutMs = 120000;

// One worker, started as the program starts it.
class OcrWorker {
public:
    explicit OcrWorker(QString languages) : m_languages(std::move(languages)) {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral(CORVANDER_EXTRACT_PROGRAM), {});
        if (!m_process.waitForStarted())
            raiseError(QStringLiteral("the worker did not start"));
    }
    ~OcrWorker() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    void ask(const QString& pdf) {
        Fields request;
        request.add(Tag::Operation, corvander::protocol::kOperationText);
        request.add(Tag::Id, std::to_string(++m_asked));
        request.add(Tag::Path, QFile::encodeName(pdf).toStdString());
        request.add(Tag::Ocr, "1");
        request.add(Tag::OcrLanguages, m_languages.toStdString());
        const std::string frame = request.encode();
        m_process.write(frame.data(), qint64(frame.size()));
        // Into the pipe now: the process object would otherwise hold it until it is next waited
        // on, and a second worker would sit idle meanwhile.
        m_process.waitForBytesWritten(kTimeoutMs);
    }

    // The next answer's text; progress frames are passed over.
    QString nextText() {
        for (;;) {
            Fields frame;
            const FrameReader::State state = m_reader.next(frame);
            if (state == FrameReader::State::Broken)
                raiseError(QStringLiteral("the worker's answer cannot be read"));
            if (state == FrameReader::State::Frame) {
                if (!frame.has(Tag::Status))
                    continue;
                if (frame.number(Tag::Status, -1) != 0 || frame.value(Tag::OcrPages) != "1")
                    raiseError(QStringLiteral("the worker did not read the page: %1")
                                   .arg(QString::fromStdString(frame.value(Tag::Error))));
                return QString::fromStdString(frame.value(Tag::Text));
            }
            if (!m_process.waitForReadyRead(kTimeoutMs))
                raiseError(QStringLiteral("the worker did not answer"));
            m_reader.append(m_process.readAllStandardOutput().toStdString());
        }
    }

    QString read(const QString& pdf) {
        ask(pdf);
        return nextText();
    }

    int rssKilobytes() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.simplified().split(' ').value(1).toInt();
        }
        return 0;
    }

private:
    QString m_languages;
    QProcess m_process;
    FrameReader m_reader;
    int m_asked = 0;
};

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e9;
}

double bestOf(int rounds, const std::function<double()>& timing) {
    double best = std::numeric_limits<double>::infinity();
    for (int round = 0; round < rounds; ++round)
        best = std::min(best, timing());
    return best;
}

// Seconds for all pages through one worker, and the words it got right.
double timeOneWorker(OcrWorker& worker, const QList<Scan>& scans, Score& right) {
    right.clear();
    return secondsOf([&] {
        for (const Scan& scan : scans)
            right[scan.language] += wordsRight(scan.firstWords, worker.read(scan.pdf));
    });
}

// Seconds for all pages shared out between two workers that read side by side.
double timeTwoWorkers(OcrWorker& first, OcrWorker& second, const QList<Scan>& scans) {
    return secondsOf([&] {
        // Each worker answers its own requests in order, so everything can be asked at once.
        for (qsizetype i = 0; i < scans.size(); ++i)
            (i % 2 ? second : first).ask(scans[i].pdf);
        for (qsizetype i = 0; i < scans.size(); ++i)
            (i % 2 ? second : first).nextText();
    });
}

// Seconds for all pages through the program's own pool, as a run reads them: every document
// asked for at once, the pool's workers sharing them out.
double timePool(int workers, const QList<Scan>& scans) {
    corvander::ExtractionPool pool(
        {QStringLiteral(CORVANDER_EXTRACT_PROGRAM), workers, kTimeoutMs, kTimeoutMs});
    pool.setOcr({true, QStringLiteral("eng")});
    corvander::EventLoopWaiter waiter;
    // Started, and the OCR library loaded, before the clock starts.
    for (int i = 0; i < workers; ++i)
        corvander::extractNow(pool, waiter,
                              corvander::ExtractRequest::wholeText(scans.value(i).pdf));
    return secondsOf([&] {
        QList<corvander::ExtractionPool::Ticket> tickets;
        for (const Scan& scan : scans)
            tickets << pool.submit(corvander::ExtractRequest::wholeText(scan.pdf));
        for (const auto ticket : tickets) {
            if (corvander::waitForResult(pool, waiter, ticket).ocrPages != QList<int>{1})
                raiseError(QStringLiteral("the pool did not read a page by OCR"));
        }
    });
}

struct Command {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString languages = QStringLiteral("eng");
    bool sharp = false;
};

double timeCommand(const QList<Scan>& scans, const Command& command, Score& right) {
    right.clear();
    return secondsOf([&] {
        for (const Scan& scan : scans) {
            const QByteArray text =
                runTool(QStringLiteral("tesseract"),
                        {command.sharp ? scan.sharpImage : scan.image, QStringLiteral("-"),
                         QStringLiteral("-l"), command.languages},
                        command.environment);
            right[scan.language] += wordsRight(scan.firstWords, QString::fromUtf8(text));
        }
    });
}

// "86.7 % (deu 66.7 %, eng 100.0 %, fra 93.3 %)"
QString share(const Score& right, const QList<Scan>& scans) {
    QMap<QString, int> pages;
    for (const Scan& scan : scans)
        ++pages[scan.language];
    const auto percent = [](int words, int of) {
        return QStringLiteral("%1 %").arg(100.0 * words / double(of * kScoredWords), 0, 'f', 1);
    };
    int total = 0;
    QStringList parts;
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        total += right.value(it.key());
        parts.append(it.key() + QLatin1Char(' ') + percent(right.value(it.key()), it.value()));
    }
    return percent(total, int(scans.size())) + QStringLiteral(" (") +
           parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

BenchResult measureOcr(const BenchSetup& setup) {
    QTextStream out(stdout);
    const QList<Scan> scans = makeScans(setup.scratchFolder);
    const qsizetype pages = scans.size();

    // Set up before the clock starts, as a worker the program keeps is.
    OcrWorker one(QStringLiteral("eng"));
    OcrWorker two(QStringLiteral("eng"));
    one.read(scans.first().pdf);
    two.read(scans.first().pdf);

    Score workerRight;
    Score commandRight;
    const double workerSeconds =
        bestOf(setup.rounds, [&] { return timeOneWorker(one, scans, workerRight); });
    const double commandSeconds =
        bestOf(setup.rounds, [&] { return timeCommand(scans, Command(), commandRight); });
    const double pairSeconds =
        bestOf(setup.rounds, [&] { return timeTwoWorkers(one, two, scans); });
    Command oneThread;
    oneThread.environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    Score oneThreadRight;
    const double oneThreadSeconds =
        bestOf(setup.rounds, [&] { return timeCommand(scans, oneThread, oneThreadRight); });
    // What the scan's second drawing costs in words, for comparison.
    Command sharp = oneThread;
    sharp.sharp = true;
    Score sharpRight;
    timeCommand(scans, sharp, sharpRight);
    sharp.languages = QStringLiteral("eng+deu+fra");
    Score sharpThreeRight;
    timeCommand(scans, sharp, sharpThreeRight);

    const int cores = std::max(1, QThread::idealThreadCount());
    const double poolSeconds = bestOf(setup.rounds, [&] { return timePool(1, scans); });
    const double allSeconds = bestOf(setup.rounds, [&] { return timePool(cores, scans); });

    OcrWorker three(QStringLiteral("eng+deu+fra"));
    Score threeRight;
    three.read(scans.first().pdf);
    const double threeSeconds = timeOneWorker(three, scans, threeRight);

    out << "\nOCR of " << pages << " scanned pages (" << kScanDpi
        << " dpi, English, German, French)"
        << ", best of " << setup.rounds << " rounds:\n";
    out << QStringLiteral("  one worker, eng:            %1 s a page, first five words right %2\n")
               .arg(workerSeconds / double(pages), 0, 'f', 3)
               .arg(share(workerRight, scans));
    out << QStringLiteral("  two workers side by side:   %1 pages a second, %2 times one worker\n")
               .arg(double(pages) / pairSeconds, 0, 'f', 3)
               .arg(workerSeconds / pairSeconds, 0, 'f', 2);
    out << QStringLiteral("  tesseract command, eng:     %1 s a page, first five words right %2\n")
               .arg(commandSeconds / double(pages), 0, 'f', 3)
               .arg(share(commandRight, scans));
    out << QStringLiteral(
               "  the same, OMP_THREAD_LIMIT=1: %1 s a page, ratio one worker to it %2\n")
               .arg(oneThreadSeconds / double(pages), 0, 'f', 3)
               .arg(workerSeconds / oneThreadSeconds, 0, 'f', 3);
    out << QStringLiteral(
               "  the program's pool, one worker: %1 s a page, ratio to the command with "
               "OMP_THREAD_LIMIT=1 %2\n"
               "  the program's pool, %3 workers: %4 pages a second, %5 times one\n")
               .arg(poolSeconds / double(pages), 0, 'f', 3)
               .arg(poolSeconds / oneThreadSeconds, 0, 'f', 3)
               .arg(cores)
               .arg(double(pages) / allSeconds, 0, 'f', 3)
               .arg(poolSeconds / allSeconds, 0, 'f', 2);
    out << QStringLiteral("  one worker, eng+deu+fra:    %1 s a page, first five words right %2\n")
               .arg(threeSeconds / double(pages), 0, 'f', 3)
               .arg(share(threeRight, scans));
    out << QStringLiteral("  tesseract command on the pages drawn straight from their text, not "
                          "scanned:\n    eng %1\n    eng+deu+fra %2\n")
               .arg(share(sharpRight, scans), share(sharpThreeRight, scans));
    out << QStringLiteral("  worker memory: %1 kB with eng, %2 kB with eng+deu+fra\n")
               .arg(one.rssKilobytes())
               .arg(three.rssKilobytes());
    out.flush();

    BenchResult result;
    result.comparisons.append(
        {QStringLiteral("OCR through the program's pool, one worker, s a page"),
         poolSeconds / double(pages), QStringLiteral("tesseract IMAGE - -l eng, seconds a page"),
         commandSeconds / double(pages), 1.1});
    return result;
}

const MeasurementRegistration registration("--ocr", "OCR of scanned pages", &measureOcr,
                                           RunOrder::Ocr, true, Files::Own);

} // namespace

} // namespace corvander
