// The memory the program and its workers take over a long list, and whether the window stays
// responsive meanwhile: the real window, on the offscreen platform, is given 10,000 files (or as
// many as --files says) by a dropped folder, which fills the list and runs the readability
// check, and renames them all by content. The time until the list holds every file, the longest
// pause of the window's event loop, and the peaks of the program and of every worker (read before
// the window shuts its workers down) are printed.
#include "app/file_drop_list.h"
#include "app/form1.h"
#include "bench/bench_files.h"
#include "bench/event_loop_pauses.h"
#include "bench/headless_window.h"
#include "bench/measurement.h"
#include "bench/plain_runs.h"
#include "bench/process_memory.h"
#include "common/error_report.h"
#include "common/settings_store.h"
#include "extract/extraction_pool.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <algorithm>
#include <unistd.h>

namespace corvander {

namespace {

constexpr int kDefaultFiles = 10000;
constexpr int kWords = 3;
// Megabytes of 1,000,000 bytes, the stricter reading of the limit.
constexpr double kMegabyte = 1e6;
// Up to the default count, and for longer lists, whose entries take room of their own.
constexpr double kLimitMegabytes = 150;
constexpr double kLongListLimitMegabytes = 400;
constexpr double kFillLimitSeconds = 5;
constexpr qint64 kPauseLimitMilliseconds = 200;

QString megabytes(qint64 bytes) {
    return QStringLiteral("%1 MB").arg(double(bytes) / kMegabyte, 0, 'f', 1);
}

BenchResult measureMemory(const BenchSetup& setup) {
    const int files = setup.givenFiles > 0 ? setup.givenFiles : kDefaultFiles;
    const double limitMegabytes = files > kDefaultFiles ? kLongListLimitMegabytes : kLimitMegabytes;
    const QString pdfFolder = emptyFolder(setup.scratchFolder, QStringLiteral("memos"));
    QStringList pdfs;
    const double writing = timeSeconds([&] { pdfs = makeSmallPdfs(pdfFolder, files); });
    if (pdfs.size() != files)
        raiseError(QStringLiteral("could not write the small documents"));
    // A user's folder has stood for a while: the disk is not still busy writing it when it is
    // dropped, which would show as the window waiting for the disk, not for the program.
    ::sync();
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

    // The list is full the moment its last entries go in; the check runs after that.
    QElapsedTimer dropClock;
    double filled = -1;
    QObject::connect(window.findChild<QTreeWidget*>(QStringLiteral("ListView1"))->model(),
                     &QAbstractItemModel::rowsInserted, &window, [&] {
                         if (filled < 0 && window.fileList().entryCount() >= files)
                             filled = double(dropClock.nsecsElapsed()) / 1e9;
                     });
    EventLoopPauses pauses;
    dropClock.start();
    pauses.start();
    window.ListView1_OLEDragDrop({pdfFolder});
    pauses.stop();
    const double dropped = double(dropClock.nsecsElapsed()) / 1e9;
    const qint64 addingPause = pauses.longestMilliseconds();
    if (window.fileList().entryCount() != files || !dialogs.messages.isEmpty())
        raiseError(QStringLiteral("the list holds %1 of %2 files, or some were found unreadable")
                       .arg(window.fileList().entryCount())
                       .arg(files));
    window.findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    window.Combo1_Click();
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(results + QLatin1Char('/'));
    dialogs.inputAnswers.enqueue(QString::number(kWords));
    pauses.start();
    const double renaming = timeSeconds([&] { window.PushButton2_Click(); });
    pauses.stop();
    const qint64 renamingPause = pauses.longestMilliseconds();
    const qsizetype copies = QDir(results).entryList(QDir::Files).size();
    if (copies != files)
        raiseError(QStringLiteral("the run copied %1 of %2 files").arg(copies).arg(files));

    BenchResult result;
    result.lines << QStringLiteral("%1 one-page PDF files written in %2 s")
                        .arg(files)
                        .arg(writing, 0, 'f', 1);
    result.lines << QStringLiteral("the window (offscreen): folder dropped and checked in %1 s, "
                                   "renamed by content (mode 0, x = %2) in %3 s")
                        .arg(dropped, 0, 'f', 1)
                        .arg(kWords)
                        .arg(renaming, 0, 'f', 1);
    result.lines << QStringLiteral("list filled in %1 s, target %2 s or less: %3")
                        .arg(filled, 0, 'f', 2)
                        .arg(kFillLimitSeconds, 0, 'f', 0)
                        .arg(verdict(filled >= 0 && filled <= kFillLimitSeconds));
    const qint64 longestPause = std::max(addingPause, renamingPause);
    result.lines << QStringLiteral("longest pause of the event loop: %1 ms adding and checking, "
                                   "%2 ms renaming, target %3 ms or less: %4")
                        .arg(addingPause)
                        .arg(renamingPause)
                        .arg(kPauseLimitMilliseconds)
                        .arg(verdict(longestPause <= kPauseLimitMilliseconds));
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
                        .arg(limitMegabytes, 0, 'f', 0)
                        .arg(verdict(total < limitMegabytes));
    window.Form_Unload();
    return result;
}

const MeasurementRegistration registration("--memory", "memory and responsiveness over a long list",
                                           &measureMemory, RunOrder::Memory, false, Files::Own);

} // namespace

} // namespace corvander
