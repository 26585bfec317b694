// The window without a mouse: Tab order, Enter and Space on buttons, Enter in the results folder,
// and the names a screen reader speaks.
#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace corvander {

namespace {

class Keyboard : public WindowTest {
protected:
    Form1& showActive() {
        Form1& form = load();
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }

    // What a press left behind: the boxes shown, the metadata format and the entries.
    QStringList outcome() const {
        QStringList lines;
        for (const ScriptedDialogs::Shown& shown : dialogs.shown())
            lines << QString::number(int(shown.kind)) + QLatin1Char('|') + shown.text;
        lines << QStringLiteral("format=") + ui.Text2->text()
              << QStringLiteral("entries=") + QString::number(window->fileList().entryCount());
        return lines;
    }

    void reset() {
        dialogs.clear();
        ui.Text2->setText(QStringLiteral("%k"));
        if (window->fileList().entryCount() == 0)
            window->fileList().appendEntry(home.filePath(QStringLiteral("missing.pdf")));
    }
};

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(Keyboard, TabGoesThroughTheWindowAsItReadsAndShiftTabGoesBack) {
    showActive();
    // Both options are Tab stops, whichever is selected and wherever the focus was.
    ui.Option2->setFocus();
    ui.Option1->setFocus();
    const QStringList order = {
        "PushButton7",  "ListView1",    "PushButton1",  "PushButton5",  "PushButton3",
        "PushButton6",  "Check1",       "Option1",      "Combo1",       "PushButton8",
        "Option2",      "Text2",        "PushButton9",  "PushButton10", "PushButton11",
        "PushButton12", "PushButton13", "PushButton14", "Text1",        "PushButton4",
        "PushButton2",  "Option3",      "Text3",        "PushButton15", "PushButton16",
        "PushButton17", "PushButton18", "PushButton19", "PushButton20", "PushButton21",
    };
    ui.PushButton7->setFocus();
    QStringList forward{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusName();
    }
    EXPECT_EQ(forward, order + QStringList{order.first()});

    QStringList backward{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << focusName();
    }
    QStringList reversed(order.rbegin(), order.rend());
    EXPECT_EQ(backward, QStringList{order.first()} + reversed);
}

TEST_F(Keyboard, EnterAndSpaceOnAFocusedButtonDoWhatAClickDoes) {
    Form1& form = showActive();
    // Metadata runs ask nothing, so "Start Renaming" runs through to its last message.
    ui.Option2->click();
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        reset();
        button->click();
        const QStringList clicked = outcome();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            SCOPED_TRACE(key);
            reset();
            button->setFocus();
            QTest::keyClick(button, key);
            EXPECT_EQ(outcome(), clicked);
        }
    }
}

TEST_F(Keyboard, HeldEnterPressesOnceAndEnterWithModifiersNotAtAll) {
    showActive();
    ui.PushButton7->setFocus();
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ui.PushButton7, &repeated);
    QTest::keyClick(ui.PushButton7, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    QTest::keyClick(ui.PushButton7, Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(Keyboard, EnterInTheResultsFolderStartsTheRun) {
    showActive();
    ui.Text1->setFocus();
    QTest::keyClick(ui.Text1, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("No files added.")});
}

TEST_F(Keyboard, EveryControlHasANameThatSaysWhatItDoes) {
    Form1& form = load();
    const struct {
        const char* control;
        const char* name;
    } names[] = {
        {"ListView1", "File list"},
        {"PushButton8", "Help on rename by content"},
        {"PushButton9", "Help on rename by metadata"},
        {"Text2", "Metadata name format"},
        {"Combo1", "Content rename mode"},
        {"PushButton10", "Format preset: author - title"},
        {"Text1", "Results folder"},
        {"PushButton4", "Choose the results folder"},
        {"ProgressBar1", "Progress"},
        {"PushButton2", "Start Renaming"},
    };
    for (const auto& expected : names) {
        SCOPED_TRACE(expected.control);
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(expected.control));
        ASSERT_NE(widget, nullptr);
        // A combo box speaks its choice as its name on Linux; its own name is for other
        // platforms' readers, and its description here.
        EXPECT_EQ(widget == ui.Combo1 ? widget->accessibleName() : spokenName(widget),
                  QString::fromLatin1(expected.name));
    }
    // Every control (they carry their form names) has a name, and no two sound alike.
    const QList<QWidget*> controls =
        form.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z][A-Za-z]*\\d+$")));
    EXPECT_EQ(controls.size(), 36);
    QSet<QString> spoken;
    for (QWidget* control : controls) {
        EXPECT_FALSE(spokenName(control).isEmpty()) << control->objectName().toStdString();
        spoken << spokenName(control);
    }
    EXPECT_EQ(spoken.size(), controls.size());
    // The list says how to use it; the bar says what it is doing.
    EXPECT_EQ(ui.ListView1->accessibleDescription(), ui.ListView1->toolTip());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ui.Combo1)->text(QAccessible::Description),
              QStringLiteral("Content rename mode"));
    form.progress().setProgressText(QStringLiteral("Processing: a.pdf"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(ui.ProgressBar1);
    EXPECT_EQ(bar->text(QAccessible::Description), QStringLiteral("Processing: a.pdf"));
}

} // namespace corvander
