#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QVariant>
#include <functional>

namespace corvander {

// Answers every dialog from a script, in order, and records what was shown. A dialog with no
// scripted answer left gets the cancel answer, so a test never hangs on a box.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind {
        Message,
        Warning,
        YesNo,
        Input,
        OpenFiles,
        Folder,
        SaveFile,
        OpenExternally,
        ChooseItems
    };

    struct Shown {
        Kind kind;
        QString text; // message or prompt; for OpenExternally the URL
        QString title;
        QString defaultText;
        bool masked = false; // an input box that hides what is typed
        QStringList items;   // a check list: what it offered, and what was checked at first
        QStringList checked;
    };

    // Queue answers: a bool for YesNo, a QString for Input/Folder, a QStringList for OpenFiles.
    void answerYesNo(bool yes) { m_answers.enqueue(yes); }
    void answerInput(const QString& text) { m_answers.enqueue(text); }
    // Cancel (or Esc) on the next input box.
    void answerCancel() { m_answers.enqueue(QVariant::fromValue(nullptr)); }
    void answerFolder(const QString& folder) { m_answers.enqueue(folder); }
    void answerFiles(const QStringList& files) { m_answers.enqueue(files); }
    // The items checked when OK is pressed on the next check list; answerCancel() cancels it.
    void answerItems(const QStringList& items) { m_answers.enqueue(items); }
    // Answers the next open dialog as a person who opens that folder and selects every file the
    // dialog shows under the filter it was given.
    void answerFilesShownIn(const QString& folder);
    // Runs when the next dialog of any kind is shown (before it is answered).
    void onNextDialog(std::function<void()> action) { m_hooks.enqueue(std::move(action)); }

    void showMessage(const QString& text, const QString& title = {}) override;
    void showWarning(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> askText(const QString& prompt, const QString& title,
                                   const QString& defaultText, bool masked = false) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString browseForFolder(const QString& title, const QString& startFolder) override;
    // Answered like a folder dialog: a path queued with answerFolder, or empty (cancel).
    QString saveFile(const QString& title, const QString& suggestedPath,
                     const QString& filter) override;
    std::optional<QStringList> chooseItems(const QString& title, const QString& prompt,
                                           const QStringList& items,
                                           const QStringList& checked) override;
    bool openExternally(const QUrl& url) override;

    const QList<Shown>& shown() const { return m_shown; }
    QList<Shown> shownOf(Kind kind) const;
    QStringList messages() const; // texts of plain message boxes
    QStringList warnings() const; // texts of error reports
    void clear() { m_shown.clear(); }
    int unusedAnswers() const { return int(m_answers.size()); }
    bool openExternallyResult = true;

private:
    QVariant takeAnswer();
    void record(Kind kind, const QString& text, const QString& title, const QString& def = {},
                bool masked = false, const QStringList& items = {},
                const QStringList& checked = {});

    QQueue<QVariant> m_answers;
    QQueue<std::function<void()>> m_hooks;
    QList<Shown> m_shown;
};

} // namespace corvander
