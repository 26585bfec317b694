#pragma once

#include "common/dialogs.h"

#include <QList>

namespace corvander {

// The boxes of one run. An error report that comes again (the same description at the same place:
// a full disk, a folder that refuses every name) is shown the first time only; the later ones are
// counted, and the run's last message says how many more files it cost. Every other box passes
// straight through.
class RepeatedReports : public Dialogs {
public:
    explicit RepeatedReports(Dialogs& shown) : m_shown(shown) {}

    void showMessage(const QString& text, const QString& title = {}) override {
        m_shown.showMessage(text, title);
    }
    void showWarning(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title = {}) override {
        return m_shown.askYesNo(text, title);
    }
    std::optional<QString> askText(const QString& prompt, const QString& title,
                                   const QString& defaultText, bool masked = false) override {
        return m_shown.askText(prompt, title, defaultText, masked);
    }
    QStringList openFiles(const QString& title, const QString& filter) override {
        return m_shown.openFiles(title, filter);
    }
    QString browseForFolder(const QString& title, const QString& startFolder) override {
        return m_shown.browseForFolder(title, startFolder);
    }
    QString saveFile(const QString& title, const QString& suggestedPath,
                     const QString& filter) override {
        return m_shown.saveFile(title, suggestedPath, filter);
    }
    std::optional<QStringList> chooseItems(const QString& title, const QString& prompt,
                                           const QStringList& items,
                                           const QStringList& checked) override {
        return m_shown.chooseItems(title, prompt, items, checked);
    }
    bool openExternally(const QUrl& url) override { return m_shown.openExternally(url); }

    // For each report that came more than once, in the order they were first shown: CR LF, then
    // "N more files could not be copied: " and the report's description.
    QString summary() const;

private:
    struct Kind {
        QString report;
        int repeats = 0;
    };

    Dialogs& m_shown;
    QList<Kind> m_kinds;
};

} // namespace corvander
