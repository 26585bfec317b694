#include "app/qt_dialogs.h"

#include "app/check_list_dialog.h"
#include "app/scrolling_message.h"
#include "common/app_title.h"
#include "common/name_filter.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace corvander {

namespace {
QString titleOr(const QString& title) {
    return title.isEmpty() ? applicationTitle() : title;
}

int showBox(QWidget* owner, QMessageBox::Icon icon, const QString& text, const QString& title,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, titleOr(title), QtDialogs::displayText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}
} // namespace

QString QtDialogs::displayText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain;
}

void QtDialogs::showMessage(const QString& text, const QString& title) {
    if (!fitsOnScreen(displayText(text), m_owner)) {
        showScrollingMessage(m_owner, titleOr(title), displayText(text));
        return;
    }
    showBox(m_owner, QMessageBox::NoIcon, text, title, QMessageBox::Ok);
}

void QtDialogs::showWarning(const QString& text, const QString& title) {
    showBox(m_owner, QMessageBox::Warning, text, title, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    return showBox(m_owner, QMessageBox::NoIcon, text, title, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<QString> QtDialogs::askText(const QString& prompt, const QString& title,
                                          const QString& defaultText, bool masked) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_owner, titleOr(title), displayText(prompt),
                              masked ? QLineEdit::Password : QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

QStringList QtDialogs::openFiles(const QString& title, const QString& filter) {
    QFileDialog dialog(m_owner, title);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // Qt's own dialog shows the filter's text and, told so, matches it in any letter case.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    // The desktop's dialog (GTK, or the portal's) matches patterns letter for letter but shows only
    // the filter's name, so it gets patterns that take both cases. It has no item views of Qt's.
    const bool qtDialog = !dialog.findChildren<QAbstractItemView*>().isEmpty();
    dialog.setNameFilter(qtDialog ? filter : corvander::anyCaseNameFilter(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtDialogs::browseForFolder(const QString& title, const QString& startFolder) {
    QString folder = QFileDialog::getExistingDirectory(m_owner, title, startFolder);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

bool QtDialogs::openExternally(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString QtDialogs::saveFile(const QString& title, const QString& suggestedPath,
                            const QString& filter) {
    return QFileDialog::getSaveFileName(m_owner, title, suggestedPath, filter);
}

std::optional<QStringList> QtDialogs::chooseItems(const QString& title, const QString& prompt,
                                                  const QStringList& items,
                                                  const QStringList& checked) {
    CheckListDialog dialog(titleOr(title), displayText(prompt), items, checked, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.checkedItems();
}

} // namespace corvander
