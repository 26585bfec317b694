#include "filelist/list_sources.h"

#include "common/dialogs.h"
#include "common/error_report.h"
#include "common/event_pacer.h"
#include "common/path_helpers.h"
#include "common/settings_store.h"
#include "common/window_port.h"
#include "filelist/add_folder.h"
#include "filelist/file_list.h"
#include "filelist/folder_lister.h"

#include <QCoreApplication>
#include <utility>

namespace corvander {

namespace {

const QString kExtensionKey = QStringLiteral("Extension");
const QString kLastFolderKey = QStringLiteral("LastFolder");

// A "." name is this platform's hidden file, which the old program skipped as archive plus
// hidden; a "~" name is an office program's lock or backup file.
bool skippedName(const QString& name) {
    return name.startsWith(QLatin1Char('~')) || name.startsWith(QLatin1Char('.'));
}

} // namespace

void AddFilesThroughOpenDialog(FileListContext& context) {
    TrappedProcedure proc(context.dialogs, QStringLiteral("Form1.PushButton1_Click"));
    QStringList chosen;
    proc.at(112, [&] {
        chosen = context.dialogs.openFiles(
            QCoreApplication::translate("corvander::FileList",
                                        "Add File(s) - Hold Ctrl to select multiple files"),
            QCoreApplication::translate("corvander::FileList", "PDF Files (*.pdf)"));
    });
    if (chosen.size() == 1) {
        proc.at(122, [&] { context.list.appendEntry(chosen.first()); });
    } else {
        for (const QString& path : std::as_const(chosen)) {
            proc.at(140, [&] {
                const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
                context.list.appendEntry(joinFolderAndName(path.left(slash), path.mid(slash + 1)));
            });
        }
    }
    proc.at(150, [&] { context.readabilityCheck(); });
}

void AddAllFilesInFolder(FileListContext& context, const FolderLister& lister) {
    TrappedProcedure proc(context.dialogs, QStringLiteral("Form1.PushButton5_Click"));
    QString extension;
    QString folder;
    bool proceed = false;
    proc.at(100, [&] {
        extension = context.dialogs.inputBox(
            QCoreApplication::translate(
                "corvander::FileList",
                "Enter file extension to load:\r\r(* for all files, txt for all txt "
                "files, doc for all doc files, etc.)"),
            QString(), context.settings.get(kExtensionKey, QStringLiteral("pdf")));
        if (!extension.isEmpty())
            context.settings.save(kExtensionKey, extension);
    });
    proc.at(102, [&] { proceed = !extension.isEmpty(); });
    if (proceed) {
        proc.at(104, [&] {
            folder = BrowseForFolder(
                context.dialogs,
                QCoreApplication::translate("corvander::FileList", "Please select folder:"),
                context.settings.get(kLastFolderKey, QString()));
        });
        proc.at(106, [&] { proceed = !folder.isEmpty(); });
    }
    if (proceed) {
        // A walk started during a rename run must hand the run's busy mark back, or entries
        // could be removed under the run.
        const bool wasBusy = context.busy.isBusy();
        proc.at(108, [&] { context.settings.save(kLastFolderKey, folder); });
        proc.at(116, [&] { context.busy.setBusy(true); });
        QStringList folders;
        LeftOutPaths leftOut;
        proc.at(118, [&] { folders = QStringList{folder + QLatin1Char('/')}; });
        proc.at(120, [&] {
            GetSubDirectories2016(folders, true, context.dialogs, lister, context.waiter, &leftOut);
        });
        proc.at(122, [&] {
            appendFilesOfFolders(context.list, folders, QStringLiteral("*.") + extension, &leftOut,
                                 context.waiter);
        });
        proc.at(124, [&] {
            if (!leftOut.isEmpty())
                context.dialogs.showMessage(leftOutMessage(leftOut));
        });
        proc.at(140, [&] { context.busy.setBusy(wasBusy); });
    }
    proc.at(146, [&] { context.readabilityCheck(); });
}

void AddAllFilesInFolder(FileListContext& context) {
    AddAllFilesInFolder(context, systemFolderLister());
}

void appendFilesOfFolders(FileListView& list, const QStringList& folders, const QString& pattern,
                          LeftOutPaths* leftOut, corvander::Waiter* waiter) {
    corvander::EventPacer pacer(waiter);
    for (const QString& folderWithSlash : folders) {
        const QString folder = folderWithSlash.endsWith(QLatin1Char('/'))
                                   ? folderWithSlash.chopped(1)
                                   : folderWithSlash;
        for (const QString& name : ListFilesInFolder(folder, pattern, leftOut, waiter)) {
            pacer.pace();
            if (skippedName(name))
                continue;
            const QString joined = folder + QLatin1Char('/') + name;
            if (FileExistsByOpen(joined))
                list.appendEntry(collapseDoubledSlashes(joined));
        }
    }
}

void AppendDroppedPaths(FileListView& list, const QStringList& paths, Dialogs& dialogs,
                        const FolderLister& lister, corvander::Waiter* waiter) {
    LeftOutPaths leftOut;
    for (const QString& path : paths) {
        if (!IsDirectory(path)) {
            list.appendEntry(path);
            continue;
        }
        QStringList folders{path + QLatin1Char('/')};
        GetSubDirectories2016(folders, true, dialogs, lister, waiter, &leftOut);
        appendFilesOfFolders(list, folders, QStringLiteral("*.*"), &leftOut, waiter);
    }
    if (!leftOut.isEmpty())
        dialogs.showMessage(leftOutMessage(leftOut));
}

void AppendDroppedPaths(FileListView& list, const QStringList& paths, Dialogs& dialogs,
                        corvander::Waiter* waiter) {
    AppendDroppedPaths(list, paths, dialogs, systemFolderLister(), waiter);
}

} // namespace corvander
