// The real message boxes, answered by finding them on the screen.
#include "app/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvander {

namespace {

struct SeenBox {
    bool scrolls = false;
    QString text;
    bool okOnScreen = false;
};

// Shows the message and closes whatever box comes up, telling what it was.
SeenBox show(const QString& text) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        const QRect screen = box->screen()->availableGeometry();
        if (auto* view = box->findChild<QPlainTextEdit*>()) {
            seen.scrolls = true;
            seen.text = view->toPlainText();
        }
        QPushButton* ok = nullptr;
        if (auto* message = qobject_cast<QMessageBox*>(box))
            ok = qobject_cast<QPushButton*>(message->button(QMessageBox::Ok));
        else if (auto* buttons = box->findChild<QDialogButtonBox*>())
            ok = buttons->button(QDialogButtonBox::Ok);
        ASSERT_NE(ok, nullptr);
        const QRect okOnScreen(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        seen.okOnScreen = screen.contains(okOnScreen);
        ok->click();
    });
    QtDialogs dialogs;
    dialogs.showMessage(text);
    return seen;
}

TEST(QtDialogs, AMessageTooTallForTheScreenScrollsWithItsOkInSight) {
    QString skipped = QStringLiteral("Done.\r\nThe following files were skipped:");
    for (int i = 0; i < 3000; ++i)
        skipped +=
            QStringLiteral("\r\n/home/user/scans/scan%1.pdf").arg(i, 4, 10, QLatin1Char('0'));
    const SeenBox tall = show(skipped);
    EXPECT_TRUE(tall.scrolls);
    EXPECT_TRUE(tall.okOnScreen);
    EXPECT_EQ(tall.text, QtDialogs::displayText(skipped)) << "the text stays as it was built";

    const SeenBox shortOne = show(QStringLiteral("Done."));
    EXPECT_FALSE(shortOne.scrolls);
    EXPECT_TRUE(shortOne.okOnScreen);
}

} // namespace

} // namespace corvander
