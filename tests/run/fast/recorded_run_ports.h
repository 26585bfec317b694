#pragma once

#include "common/dialogs.h"
#include "common/window_port.h"
#include "naming/rules/naming_rule.h"

#include <QStringList>

namespace corvander {

// The window's parts a run drives, as plain values: no widget, no prompt (the answers are given
// beforehand, as the command line gives them).
class RecordedRunPorts : public FileListView,
                         public BusyPointer,
                         public ProgressView,
                         public RenameControls,
                         public Dialogs {
public:
    int entryCount() const override { return int(entries.size()); }
    QString entryText(int position) const override { return entries.value(position - 1); }
    void appendEntry(const QString& path) override { entries.append(path); }
    bool isBusy() const override { return busy; }
    void setBusy(bool value) override { busy = value; }
    int progressValue() const override { return value; }
    QString progressText() const override { return text; }
    void setProgressValue(int newValue) override { value = newValue; }
    void setProgressText(const QString& newText) override { text = newText; }

    int modeIndex() const override { return mode; }
    bool contentSelected() const override { return family == Family::Content; }
    bool metadataSelected() const override { return family == Family::Metadata; }
    QString nameFormat() const override { return parameters.format; }
    bool templateSelected() const override { return family == Family::Template; }
    QStringList templateLines() const override { return parameters.templates; }
    QString dateOrder() const override { return parameters.dateOrder; }
    QString resultsFolder() const override { return folder; }
    bool asksForPassword() const override { return false; }

    void showMessage(const QString& message, const QString& = {}) override { shown << message; }
    void showWarning(const QString& message, const QString&) override { shown << message; }
    bool askYesNo(const QString& message, const QString& = {}) override {
        shown << message;
        return false;
    }
    std::optional<QString> askText(const QString& prompt, const QString&, const QString&,
                                   bool = false) override {
        shown << prompt;
        return std::nullopt;
    }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    QString browseForFolder(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QStringList> chooseItems(const QString&, const QString&, const QStringList&,
                                           const QStringList&) override {
        return std::nullopt;
    }
    bool openExternally(const QUrl&) override { return false; }

    QStringList entries;
    bool busy = false;
    int value = 0;
    QString text;
    Family family = Family::Content;
    int mode = -1;
    RunParameters parameters;
    QString folder;
    // Every message, warning and prompt the run showed.
    QStringList shown;
};

} // namespace corvander
