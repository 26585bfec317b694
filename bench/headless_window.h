#pragma once

#include "common/dialogs.h"
#include "common/window_port.h"

#include <QQueue>
#include <QStringList>

namespace corvander {

// The window's ports without any widget, for timing the program's own code.
class HeadlessWindow : public ProgressView,
                       public BusyPointer,
                       public FileListView,
                       public RenameControls {
public:
    int progressValue() const override { return m_value; }
    QString progressText() const override { return m_text; }
    void setProgressValue(int value) override { m_value = value; }
    void setProgressText(const QString& text) override { m_text = text; }

    bool isBusy() const override { return m_busy; }
    void setBusy(bool busy) override { m_busy = busy; }

    int entryCount() const override { return int(m_entries.size()); }
    QString entryText(int position) const override { return m_entries.value(position - 1); }
    void appendEntry(const QString& path) override { m_entries.append(path); }

    int modeIndex() const override { return mode; }
    bool contentSelected() const override { return content && !byTemplate; }
    bool metadataSelected() const override { return !content && !byTemplate; }
    bool templateSelected() const override { return byTemplate; }
    QStringList templateLines() const override { return templates; }
    QString nameFormat() const override { return format; }
    QString resultsFolder() const override { return results; }
    bool asksForPassword() const override { return false; }

    // The rename options a measurement sets.
    int mode = 0;
    bool content = true;
    QString format = QStringLiteral("%a - %t");
    bool byTemplate = false;
    QStringList templates;
    QString results;

private:
    int m_value = 0;
    QString m_text;
    bool m_busy = false;
    QStringList m_entries;
};

// Boxes that nobody sees: messages are kept, prompts take queued answers (empty when none).
class HeadlessDialogs : public Dialogs {
public:
    void showMessage(const QString& text, const QString& title = {}) override;
    void showWarning(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> askText(const QString& prompt, const QString& title,
                                   const QString& defaultText, bool masked = false) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString browseForFolder(const QString& title, const QString& startFolder) override;
    std::optional<QStringList> chooseItems(const QString&, const QString&, const QStringList&,
                                           const QStringList&) override {
        return std::nullopt;
    }
    bool openExternally(const QUrl& url) override;

    QQueue<QString> inputAnswers;
    QStringList messages;
    QStringList warnings;
};

} // namespace corvander
