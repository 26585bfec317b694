#include "filelist/command_line_paths.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/path_helpers.h"
#include "common/window_port.h"
#include "filelist/add_folder.h"
#include "filelist/folder_lister.h"
#include "filelist/list_sources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvander {

void AddCommandLinePaths(FileListContext& context, const QStringList& paths,
                         const FolderLister& lister) {
    TrappedProcedure proc(context.dialogs, QStringLiteral("Form1.OpenCommandLinePaths"));
    LeftOutPaths leftOut;
    for (const QString& given : paths) {
        const QString path = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
        // A mistyped name would only stand in the list as a file every check calls unreadable;
        // it is named with what else was left out instead.
        if (!QFileInfo(path).exists()) {
            leftOut.append(
                {QFile::encodeName(path),
                 QCoreApplication::translate("corvander::FileList", "no such file or folder")});
            continue;
        }
        if (!IsDirectory(path)) {
            proc.at(100, [&] { context.list.appendEntry(path); });
            continue;
        }
        // As the folder button does: busy while walking, and a busy mark set before stays.
        const bool wasBusy = context.busy.isBusy();
        proc.at(102, [&] { context.busy.setBusy(true); });
        QStringList folders{path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/')};
        proc.at(104, [&] {
            GetSubDirectories2016(folders, true, context.dialogs, lister, context.waiter, &leftOut);
        });
        proc.at(106, [&] {
            appendFilesOfFolders(context.list, folders, QStringLiteral("*.pdf"), &leftOut,
                                 context.waiter);
        });
        proc.at(108, [&] { context.busy.setBusy(wasBusy); });
    }
    // As the folder button does: what the walks left out is said once, before the check.
    proc.at(110, [&] {
        if (!leftOut.isEmpty())
            context.dialogs.showMessage(leftOutMessage(leftOut));
    });
    proc.at(112, [&] { context.readabilityCheck(); });
}

void AddCommandLinePaths(FileListContext& context, const QStringList& paths) {
    AddCommandLinePaths(context, paths, systemFolderLister());
}

} // namespace corvander
