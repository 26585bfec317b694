// The memory the program and its workers take over a long list: the real window, on the
// offscreen platform, is given 10,000 files by a dropped folder (which fills the list and runs
// the readability check) and renames them all by content. The peaks of the program and of every
// worker are read before the window shuts its workers down.
#include "app/form1.h"
#include "bench/bench_files.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/process_memory.h"
#include "common/error_report.h"
#include "common/settings_store.h"
#include "extract/extraction_pool.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int kFiles = 10000;
constexpr int kWords = 3;
// Megabytes of 1,000,000 bytes, the stricter reading of the limit.
constexpr double kMegabyte = 1e6;
constexpr double kLimitMegabytes = 150;

QString megabytes(qint64 bytes) {
    return QStringLiteral("%1 MB").arg(double(bytes) / kMegabyte, 0, 'f', 1);
}

BenchResult measureMemory(const BenchSetup& setup) {
    const QString pdfFolder = emptyFolder(setup.scratchFolder, QStringLiteral("memos"));
    QStringList pdfs;
    const double writing = timeSeconds([&] { pdfs = makeSmallPdfs(pdfFolder, kFiles); });
    if (pdfs.size() != kFiles)
        raiseError(QStringLiteral("could not write the small documents"));
    const QString results = emptyFolder(setup.scratchFolder, QStringLiteral("results"));
    const bool peakRestarted = restartOwnPeak();

    HeadlessDialogs dialogs;
    // The settings file lies in the folder the bench gave XDG_CONFIG_HOME.
    SettingsStore settings;
    Form1Environment environment;
    environment.programFolder = QFileInfo(QStringLiteral(CORVANDER_EXTRACT_PROGRAM)).path();
    environment.drawOneToHundred = [] { return 1; };
    environment.terminate = [] {};
    environment.extractorProgram = QStringLiteral(CORVANDER_EXTRACT_PROGRAM);
    Form1 window(dialogs, settings, environment);
    window.Form_Load();
    window.show();

    const double filling = timeSeconds([&] { window.ListView1_OLEDragDrop({pdfFolder}); });
    if (window.fileList().entryCount() != kFiles || !dialogs.messages.isEmpty())
        raiseError(QStringLiteral("the list holds %1 of %2 files, or some were found unreadable")
                       .arg(window.fileList().entryCount())
                       .arg(kFiles));
    window.findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    window.Combo1_Click();
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(results + QLatin1Char('/'));
    dialogs.inputAnswers.enqueue(QString::number(kWords));
    const double renaming = timeSeconds([&] { window.PushButton2_Click(); });
    const qsizetype copies = QDir(results).entryList(QDir::Files).size();
    if (copies != kFiles)
        raiseError(QStringLiteral("the run copied %1 of %2 files").arg(copies).arg(kFiles));

    BenchResult result;
    result.lines << QStringLiteral("%1 one-page PDF files written in %2 s")
                        .arg(kFiles)
                        .arg(writing, 0, 'f', 1);
    result.lines << QStringLiteral("the window (offscreen): folder dropped and checked in %1 s, "
                                   "renamed by content (mode 0, x = %2) in %3 s")
                        .arg(filling, 0, 'f', 1)
                        .arg(kWords)
                        .arg(renaming, 0, 'f', 1);
    const qint64 program = ownPeakResidentBytes();
    result.lines << QStringLiteral("program peak resident: %1%2")
                        .arg(megabytes(program),
                             peakRestarted ? QString()
                                           : QStringLiteral(" (over the whole bench: the peak "
                                                            "could not be restarted)"));
    qint64 workers = 0;
    for (const qint64 id : window.extractionPool().workerProcessIds()) {
        const qint64 peak = peakResidentBytes(id);
        if (peak < 0)
            raiseError(QStringLiteral("the memory of worker %1 could not be read").arg(id));
        workers += peak;
        result.lines << QStringLiteral("worker %1 peak resident: %2").arg(id).arg(megabytes(peak));
    }
    result.lines << QStringLiteral("workers in all: %1").arg(megabytes(workers));
    const double total = double(program + workers) / kMegabyte;
    result.lines << QStringLiteral("program and workers: %1 MB, target under %2 MB: %3")
                        .arg(total, 0, 'f', 1)
                        .arg(kLimitMegabytes, 0, 'f', 0)
                        .arg(verdict(total < kLimitMegabytes));
    window.Form_Unload();
    return result;
}

const MeasurementRegistration registration("--memory", "memory over 10,000 files", &measureMemory,
                                           RunOrder::Memory);

} // namespace
