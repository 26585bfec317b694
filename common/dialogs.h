#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace corvander {

// Every box, prompt and file dialog the program shows goes through this seam. The window owns the
// real one; tests hand in a scripted one that records what was shown and answers in order.
// An empty title means "the application title".
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // OK button, no icon.
    virtual void showMessage(const QString& text, const QString& title = {}) = 0;
    // OK button, exclamation icon: used by the error report only.
    virtual void showWarning(const QString& text, const QString& title) = 0;
    // Yes and No buttons, no icon. True for Yes.
    virtual bool askYesNo(const QString& text, const QString& title = {}) = 0;
    // Prompt with a default answer. Cancel gives an empty text.
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
        return askText(prompt, title, defaultText).value_or(QString());
    }
    // The same prompt, telling Cancel (or Esc) apart from an empty answer: nothing on Cancel. A
    // masked prompt does not show what is typed.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title,
                                           const QString& defaultText, bool masked = false) = 0;
    // Several files may be chosen. Empty on cancel.
    virtual QStringList openFiles(const QString& title, const QString& filter) = 0;
    // Returns the folder without a final "/" (the root stays "/"), or empty on cancel.
    virtual QString browseForFolder(const QString& title, const QString& startFolder) = 0;
    // The file to save to, starting with a suggested name; empty on cancel.
    virtual QString saveFile(const QString& title, const QString& suggestedPath,
                             const QString& filter) = 0;
    // A list of items with check boxes, those in `checked` checked at first; OK needs at least one
    // checked. The items checked on OK, in the list's order; nothing on Cancel.
    virtual std::optional<QStringList> chooseItems(const QString& title, const QString& prompt,
                                                   const QStringList& items,
                                                   const QStringList& checked) = 0;
    // Hands a file, folder or web address to the desktop. False when nothing could open it.
    virtual bool openExternally(const QUrl& url) = 0;
};

} // namespace corvander
