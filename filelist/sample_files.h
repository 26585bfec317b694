#pragma once

#include <QString>

namespace corvander {

class Dialogs;
class FileListView;
class SettingsStore;

// The folder of the example documents that ship beside the program.
QString samplesFolderOf(const QString& programFolder);

// Records the paths of the files now in the Samples folder, joined by "|" and encoded, as the
// setting "Snapshot". A missing or empty folder records an empty text.
void PrepareSampleSnapshot(SettingsStore& settings, const QString& programFolder);

// Appends each recorded sample that still exists and is not listed yet, then offers to open the
// Samples folder; the question comes however many files were appended. When not one recorded
// file exists any more, the record is made again from the Samples folder first.
void LoadSampleFiles(FileListView& list, SettingsStore& settings, Dialogs& dialogs,
                     const QString& programFolder);

} // namespace corvander
