#include "app/scrolling_message.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace corvander {

namespace {

// Room a message box needs besides its text: title bar, margins and the button row.
constexpr int kBoxOverhead = 160;

QRect screenArea(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

bool fitsOnScreen(const QString& text, const QWidget* owner) {
    const QRect area = screenArea(owner);
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, area.width() * 2 / 3, 1 << 20), Qt::TextWordWrap, text);
    return needed.height() + kBoxOverhead <= area.height();
}

void showScrollingMessage(QWidget* owner, const QString& title, const QString& text) {
    QDialog box(owner);
    box.setWindowTitle(title);
    auto* view = new QPlainTextEdit(text, &box);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setAccessibleName(QCoreApplication::translate("corvander::ScrollingMessage", "Message"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(view);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    // Most of the screen, never more: the button row stays in sight and the text scrolls.
    const QRect area = screenArea(owner);
    box.resize(area.width() * 2 / 3, area.height() * 3 / 4);
    box.exec();
}

} // namespace corvander
