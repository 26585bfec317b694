// (a) OCR of scanned pages through the extraction worker, spoken to through its own protocol as
// the program speaks to it, and through the program's own pool, against (b) the plain `tesseract
// IMAGE - -l eng` command on the same page images. Also: the throughput of two workers side by
// side, the share of each page's first five words read right, and the workers' memory.
//
// The scans are the benchmark's own: pages of known text in English, German and French, drawn at
// 300 dpi as grey pictures and wrapped as PDFs without text.
#include "bench/measurement.h"
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

constexpr int kDpi = 300;
constexpr int kFirstWords = 5;
constexpr int kTimeoutMs = 120000;

// Each page: its language, then a title (whose first five words are scored) and body lines.
const QList<QStringList> kPages{
    {QStringLiteral("eng"), QStringLiteral("Annual report of the Aln Valley Field Station"),
     QStringLiteral("Rainfall was higher than in any of the last ten years,"),
     QStringLiteral("and the river reached its highest level since records began.")},
    {QStringLiteral("eng"), QStringLiteral("Invoice for copier paper and archive boxes"),
     QStringLiteral("Twenty boxes of paper and six archive boxes were delivered"),
     QStringLiteral("to the library on the fourteenth of March.")},
    {QStringLiteral("eng"), QStringLiteral("Minutes of the meeting held on Tuesday evening"),
     QStringLiteral("Present were the chair, the treasurer and four members."),
     QStringLiteral("The accounts for the year were approved without changes.")},
    {QStringLiteral("deu"), QStringLiteral("Rechnung f\u00fcr die Lieferung vom 3. Juni"),
     QStringLiteral("Wir bedanken uns f\u00fcr Ihren Auftrag und bitten um Zahlung"),
     QStringLiteral("innerhalb von drei\u00dfig Tagen ohne Abzug.")},
    {QStringLiteral("deu"),
     QStringLiteral("Jahresbericht der G\u00e4rtnerei M\u00fcller f\u00fcr 2023"),
     QStringLiteral("Die Ernte war gut, obwohl der Sommer sehr trocken war."),
     QStringLiteral("Im Herbst wurden zwei neue Gew\u00e4chsh\u00e4user gebaut.")},
    {QStringLiteral("deu"), QStringLiteral("K\u00fcndigung des Mietvertrags zum Ende des Monats"),
     QStringLiteral("Hiermit k\u00fcndige ich die Wohnung in der Lindenstra\u00dfe"),
     QStringLiteral("fristgerecht und bitte um eine schriftliche Best\u00e4tigung.")},
    {QStringLiteral("fra"), QStringLiteral("Relev\u00e9 de compte du troisi\u00e8me trimestre"),
     QStringLiteral("Les op\u00e9rations de la p\u00e9riode sont d\u00e9taill\u00e9es ci-dessous,"),
     QStringLiteral("avec le solde \u00e0 la fin de chaque mois.")},
    {QStringLiteral("fra"), QStringLiteral("Lettre de la biblioth\u00e8que municipale de Lyon"),
     QStringLiteral("Nous avons le plaisir de vous informer que votre carte"),
     QStringLiteral("de lecteur a \u00e9t\u00e9 renouvel\u00e9e pour une ann\u00e9e.")},
    {QStringLiteral("fra"), QStringLiteral("Compte rendu de la r\u00e9union du conseil"),
     QStringLiteral("Le conseil a d\u00e9cid\u00e9 de r\u00e9nover la salle des f\u00eates"),
     QStringLiteral("et de pr\u00e9parer le budget de l'ann\u00e9e prochaine.")},
};

struct Scan {
    QString pdf;
    QString image;
    // The page drawn straight from its text, without the scan's second drawing.
    QString sharpImage;
    QStringList firstWords;
    QString language;
};

// The first words read right, by the language of the page.
using Score = QMap<QString, int>;

QStringList wordsOf(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("[ \r\n\f]+")), Qt::SkipEmptyParts);
}

// The words at the same places that are the same.
int wordsRight(const QStringList& expected, const QString& text) {
    const QStringList read = wordsOf(text);
    int right = 0;
    for (qsizetype i = 0; i < expected.size(); ++i)
        right += i < read.size() && read[i] == expected[i] ? 1 : 0;
    return right;
}

QByteArray
runTool(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        raiseError(QStringLiteral("%1 %2 failed").arg(program, arguments.join(QLatin1Char(' '))));
    return process.readAllStandardOutput();
}

// The PDF's first page as ROOT.png, grey at 300 dpi.
void pngOf(const QString& pdf, const QString& root) {
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-r"),
             QString::number(kDpi), QStringLiteral("-singlefile"), pdf, root});
}

// Page after page: a scan PDF, and the page image as the worker draws it from that PDF (pdftoppm
// draws with the same rasteriser and settings), for the command.
QList<Scan> makeScans(const QString& folder) {
    QList<Scan> scans;
    for (qsizetype i = 0; i < kPages.size(); ++i) {
        const QString language = kPages[i].first();
        const QStringList text = kPages[i].mid(1);
        QStringList lines = text;
        // Body lines repeated down the page, so that it is as full as a letter.
        for (int repeat = 0; repeat < 6; ++repeat)
            lines += text.mid(1) + QStringList{QString()};
        PdfDocument printed;
        printed.pages = {lines};
        const QString root = folder + QStringLiteral("/scan%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        const QString printedPdf = root + QStringLiteral("-printed.pdf");
        const std::optional<PdfGreyImage> picture =
            writePdf(printedPdf, printed) ? renderedPage(printedPdf, 1, kDpi) : std::nullopt;
        if (!picture)
            raiseError(QStringLiteral("could not draw %1").arg(printedPdf));
        PdfDocument scanned;
        addScannedPage(scanned, *picture, kDpi);
        if (!writePdf(root + QStringLiteral(".pdf"), scanned))
            raiseError(QStringLiteral("could not write %1.pdf").arg(root));
        pngOf(root + QStringLiteral(".pdf"), root);
        pngOf(printedPdf, root + QStringLiteral("-sharp"));
        scans.append({root + QStringLiteral(".pdf"), root + QStringLiteral(".png"),
                      root + QStringLiteral("-sharp.png"),
                      wordsOf(text.first()).mid(0, kFirstWords), language});
    }
    return scans;
}

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
        return QStringLiteral("%1 %").arg(100.0 * words / double(of * kFirstWords), 0, 'f', 1);
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

    out << "\nOCR of " << pages << " scanned pages (" << kDpi << " dpi, English, German, French)"
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
