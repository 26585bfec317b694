#include "extract/check.h"

#include "common/app_title.h"
#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "extract/extractor_tools.h"
#include "extract/shell_and_wait.h"
#include "extract/text_reading.h"

#include <QDir>

namespace {

// Below this many bytes of output a file counts as unreadable.
constexpr int kReadableSize = 10;

// A check asked for while one is under way (files added during its waits) runs again over the
// whole list once the current one is done, instead of inside it: two checks at once would
// overwrite and delete each other's output files.
bool g_checkRunning = false;
bool g_checkAgain = false;

void checkOnce(Dialogs& dialogs, FileListView& list, BusyPointer& busy, ProgressView& bar,
               const QString& pdftotextPath, const QString& workFolder) {
    TrappedProcedure proc(dialogs, QStringLiteral("Check.CheckByCodeNotPreviewTextbox"));
    // A check that runs inside a rename run must leave the run's busy mark in place, or entries
    // could be removed under the run.
    const bool wasBusy = busy.isBusy();
    // The check's own folder keeps its files apart from those of a rename run it interrupts.
    const QString outputFolder = workFolder + QStringLiteral("/check");
    QString unreadable;
    int count = 0;
    proc.step([&] { busy.setBusy(true); });
    proc.step([&] {
        QDir().mkpath(outputFolder);
        count = list.entryCount();
    });
    for (int position = 1; position <= count; ++position) {
        QString pdfPath;
        QString outputPath;
        proc.at(104, [&] {
            pdfPath = list.entryText(position);
            outputPath = checkOutputPath(outputFolder, pdfPath);
        });
        proc.step([&] {
            ShellAndWait(pdftotextPath, textExtractorArguments(pdfPath, outputPath), {}, &bar, {},
                         0, 0);
        });
        proc.step([&] {
            if (FileSize2(outputPath) < kReadableSize)
                unreadable += pdfPath + QStringLiteral("\r\n");
        });
        proc.step([&] { DeleteFileForced(outputPath); });
    }
    proc.at(112, [&] {
        QDir().rmdir(outputFolder);
        busy.setBusy(wasBusy);
    });
    proc.step([&] {
        if (!unreadable.isEmpty())
            dialogs.showMessage(unreadableFilesMessage(unreadable));
    });
}

} // namespace

QString unreadableFilesMessage(const QString& unreadableList) {
    return QStringLiteral("These files could not be read:\r\n\r\n") + unreadableList +
           QStringLiteral("\r\nThis program will extract text from a PDF but this program will "
                          "not extract text within an image within a PDF.\r\n\r\nEmail ") +
           QString::fromLatin1(kSupportAddress) + QStringLiteral(" if you have any questions.");
}

void CheckByCodeNotPreviewTextbox(Dialogs& dialogs, FileListView& list, BusyPointer& busy,
                                  ProgressView& bar, const QString& pdftotextPath,
                                  const QString& workFolder) {
    if (g_checkRunning) {
        g_checkAgain = true;
        return;
    }
    g_checkRunning = true;
    do {
        g_checkAgain = false;
        checkOnce(dialogs, list, busy, bar, pdftotextPath, workFolder);
    } while (g_checkAgain);
    g_checkRunning = false;
}
