#pragma once

#include <QString>
#include <QStringList>

namespace corvander {

// What the non-window code may see of the main window. Each piece is small so that a test double
// only implements what the code under test touches.

// The progress bar with the text drawn on it.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual int progressValue() const = 0;
    virtual QString progressText() const = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressText(const QString& text) = 0;
};

// The window's busy mark (the wait pointer). List edits are refused while it shows.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual bool isBusy() const = 0;
    virtual void setBusy(bool busy) = 0;
};

// The file list: entries are full paths, addressed by 1-based position.
class FileListView {
public:
    virtual ~FileListView() = default;
    virtual int entryCount() const = 0;
    virtual QString entryText(int position) const = 0;
    virtual void appendEntry(const QString& path) = 0;
};

// The rename options as they stand right now; a run reads them afresh for every file.
class RenameControls {
public:
    virtual ~RenameControls() = default;
    // Index of the content mode, -1 when nothing is selected.
    virtual int modeIndex() const = 0;
    virtual bool contentSelected() const = 0;
    virtual bool metadataSelected() const = 0;
    virtual QString nameFormat() const = 0;
    // Rename by template: chosen, its lines (one template each) and the date order ("dmy",
    // "mdy", "ymd"; empty for the locale's). Front ends without the family keep these.
    virtual bool templateSelected() const { return false; }
    virtual QStringList templateLines() const { return {}; }
    virtual QString dateOrder() const { return {}; }
    virtual QString resultsFolder() const = 0;
    // The user asked to be prompted for the password of protected documents.
    virtual bool asksForPassword() const = 0;
};

} // namespace corvander
