#pragma once

#include "common/dialogs.h"

class QWidget;

namespace corvander {

// The real dialogs, shown with Qt over the main window.
class QtDialogs : public Dialogs {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }

    void showMessage(const QString& text, const QString& title = {}) override;
    void showWarning(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> askText(const QString& prompt, const QString& title,
                                   const QString& defaultText, bool masked = false) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString browseForFolder(const QString& title, const QString& startFolder) override;
    QString saveFile(const QString& title, const QString& suggestedPath,
                     const QString& filter) override;
    std::optional<QStringList> chooseItems(const QString& title, const QString& prompt,
                                           const QStringList& items,
                                           const QStringList& checked) override;
    bool openExternally(const QUrl& url) override;

    // Message texts carry CR, LF and CR LF breaks; a Qt label wants plain "\n".
    static QString displayText(const QString& text);

private:
    QWidget* m_owner = nullptr;
};

} // namespace corvander
