#pragma once

#include "common/dialogs.h"
#include "common/event_loop_waiter.h"
#include "common/window_port.h"

#include <QStringList>

namespace corvander {

class TerminalProgress;

// The list a command works through, with the busy mark the run and the check set on it.
class CommandList : public FileListView, public BusyPointer {
public:
    int entryCount() const override { return int(m_entries.size()); }
    QString entryText(int position) const override { return m_entries.value(position - 1); }
    void appendEntry(const QString& path) override { m_entries.append(path); }

    bool isBusy() const override { return m_busy; }
    void setBusy(bool busy) override { m_busy = busy; }

private:
    QStringList m_entries;
    bool m_busy = false;
};

// No box is ever shown. An error report becomes one line on standard error, without the parts
// meant for a screenshot; the messages a window would show at the end of a run or a check say
// what the output lines already say and are dropped. Prompts are left as with Cancel.
class CommandDialogs : public Dialogs {
public:
    explicit CommandDialogs(TerminalProgress* progress) : m_progress(progress) {}

    void showMessage(const QString&, const QString& = {}) override {}
    void showWarning(const QString& text, const QString& title) override;
    bool askYesNo(const QString&, const QString& = {}) override { return false; }
    std::optional<QString> askText(const QString&, const QString&, const QString&,
                                   bool = false) override {
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

    // The description of the latest error report; empty when there was none.
    QString lastError() const { return m_lastError; }

private:
    TerminalProgress* m_progress;
    QString m_lastError;
};

} // namespace corvander
