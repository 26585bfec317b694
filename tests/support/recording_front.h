#pragma once

#include "common/dialogs.h"
#include "common/window_port.h"

#include <QStringList>

namespace corvander {

// A front end without widgets for the check and the run: a list, a busy mark and a bar kept as
// plain values, boxes kept as text, and every prompt left as with Cancel (and kept too).
class RecordingFront : public Dialogs,
                       public FileListView,
                       public BusyPointer,
                       public ProgressView {
public:
    void showMessage(const QString& message, const QString& = {}) override { messages << message; }
    void showWarning(const QString& message, const QString&) override { messages << message; }
    bool askYesNo(const QString& question, const QString& = {}) override {
        prompts << question;
        return false;
    }
    std::optional<QString> askText(const QString& prompt, const QString&, const QString&,
                                   bool = false) override {
        prompts << prompt;
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

    int entryCount() const override { return int(entries.size()); }
    QString entryText(int position) const override { return entries.value(position - 1); }
    void appendEntry(const QString& path) override { entries << path; }
    bool isBusy() const override { return busy; }
    void setBusy(bool value) override { busy = value; }
    int progressValue() const override { return value; }
    QString progressText() const override { return text; }
    void setProgressValue(int to) override { value = to; }
    void setProgressText(const QString& to) override { text = to; }

    QStringList messages;
    QStringList prompts;
    QStringList entries;
    bool busy = false;
    int value = 0;
    QString text;
};

} // namespace corvander
