#include "filelist/sample_files.h"

#include "common/dialogs.h"
#include "common/path_helpers.h"
#include "common/settings_store.h"
#include "common/window_port.h"
#include "filelist/add_folder.h"
#include "filelist/file_list.h"
#include "filelist/shift_cipher.h"

#include <QUrl>

namespace {
const QString kSnapshotKey = QStringLiteral("Snapshot");
const QString kKey = QString::fromLatin1(kSampleListKey);
} // namespace

QString samplesFolderOf(const QString& programFolder) {
    return programFolder + QStringLiteral("/Samples");
}

void PrepareSampleSnapshot(SettingsStore& settings, const QString& programFolder) {
    QStringList paths;
    for (const QString& name :
         ListFilesInFolder(samplesFolderOf(programFolder), QStringLiteral("*.*")))
        paths << samplesFolderOf(programFolder) + QLatin1Char('/') + name;
    settings.save(kSnapshotKey, ShiftEncode(paths.join(QLatin1Char('|')), kKey));
}

void LoadSampleFiles(FileListView& list, SettingsStore& settings, Dialogs& dialogs,
                     const QString& programFolder) {
    const QString stored = settings.get(kSnapshotKey, QString());
    if (!stored.isEmpty()) {
        const QStringList paths = ShiftDecode(stored, kKey).split(QLatin1Char('|'));
        for (const QString& path : paths) {
            if (PathExists(path) && !ListContainsPath(list, path))
                list.appendEntry(path);
        }
    }
    const bool open = dialogs.askYesNo(
        QStringLiteral("Would you like this software to open the folder where these sample files "
                       "are stored (so that you can view them before working with them)?"));
    if (open)
        dialogs.openExternally(
            QUrl::fromLocalFile(samplesFolderOf(programFolder) + QLatin1Char('/')));
}
