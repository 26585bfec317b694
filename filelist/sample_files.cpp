#include "filelist/sample_files.h"

#include "common/dialogs.h"
#include "common/path_helpers.h"
#include "common/settings_store.h"
#include "common/window_port.h"
#include "filelist/add_folder.h"
#include "filelist/file_list.h"
#include "filelist/shift_cipher.h"

#include <QCoreApplication>
#include <QUrl>
#include <algorithm>

namespace corvander {

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

namespace {

QStringList recordedSamples(const SettingsStore& settings) {
    const QString stored = settings.get(kSnapshotKey, QString());
    if (stored.isEmpty())
        return {};
    return ShiftDecode(stored, kKey).split(QLatin1Char('|'));
}

} // namespace

void LoadSampleFiles(FileListView& list, SettingsStore& settings, Dialogs& dialogs,
                     const QString& programFolder) {
    QStringList paths = recordedSamples(settings);
    // A record whose files are all gone belongs to a program since moved or installed elsewhere:
    // the samples beside this program take its place, or the button would load nothing for ever.
    if (std::none_of(paths.begin(), paths.end(), PathExists)) {
        PrepareSampleSnapshot(settings, programFolder);
        paths = recordedSamples(settings);
    }
    for (const QString& path : paths) {
        if (PathExists(path) && !ListContainsPath(list, path))
            list.appendEntry(path);
    }
    const bool open = dialogs.askYesNo(QCoreApplication::translate(
        "corvander::FileList",
        "Would you like this software to open the folder where these sample files "
        "are stored (so that you can view them before working with them)?"));
    if (open)
        dialogs.openExternally(
            QUrl::fromLocalFile(samplesFolderOf(programFolder) + QLatin1Char('/')));
}

} // namespace corvander
