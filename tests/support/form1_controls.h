#pragma once

#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace corvander {

// The main window's controls and menu items, found by their form names as a user's tools find
// them: the panels keep their widgets to themselves. A name the window lacks fails the test.
struct Form1Controls {
    Form1Controls() = default;
    explicit Form1Controls(const QWidget& window) : m_window(&window) {}

private:
    template <typename Control> Control* find(const char* name) const {
        if (!m_window)
            return nullptr;
        auto* control = m_window->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            ADD_FAILURE() << "the window has no " << name;
        return control;
    }

    const QWidget* m_window = nullptr;

public:
    QGroupBox* Frame3 = find<QGroupBox>("Frame3");
    QCheckBox* Check1 = find<QCheckBox>("Check1");
    QPushButton* PushButton7 = find<QPushButton>("PushButton7");
    QGroupBox* Frame2 = find<QGroupBox>("Frame2");
    QLineEdit* Text1 = find<QLineEdit>("Text1");
    QPushButton* PushButton4 = find<QPushButton>("PushButton4");
    FileDropList* ListView1 = find<FileDropList>("ListView1");
    QGroupBox* Frame1 = find<QGroupBox>("Frame1");
    QLineEdit* Text2 = find<QLineEdit>("Text2");
    QRadioButton* Option1 = find<QRadioButton>("Option1");
    QRadioButton* Option2 = find<QRadioButton>("Option2");
    QComboBox* Combo1 = find<QComboBox>("Combo1");
    QPushButton* PushButton8 = find<QPushButton>("PushButton8");
    QPushButton* PushButton9 = find<QPushButton>("PushButton9");
    QPushButton* PushButton10 = find<QPushButton>("PushButton10");
    QPushButton* PushButton11 = find<QPushButton>("PushButton11");
    QPushButton* PushButton12 = find<QPushButton>("PushButton12");
    QPushButton* PushButton13 = find<QPushButton>("PushButton13");
    QPushButton* PushButton14 = find<QPushButton>("PushButton14");
    QLabel* Label1 = find<QLabel>("Label1");
    TextProgressBar* ProgressBar1 = find<TextProgressBar>("ProgressBar1");
    QPushButton* PushButton2 = find<QPushButton>("PushButton2");
    QPushButton* PushButton5 = find<QPushButton>("PushButton5");
    QPushButton* PushButton1 = find<QPushButton>("PushButton1");
    QPushButton* PushButton3 = find<QPushButton>("PushButton3");
    QPushButton* PushButton6 = find<QPushButton>("PushButton6");
    QRadioButton* Option3 = find<QRadioButton>("Option3");
    QPlainTextEdit* Text3 = find<QPlainTextEdit>("Text3");
    QLabel* Label2 = find<QLabel>("Label2");
    QPushButton* PushButton15 = find<QPushButton>("PushButton15");
    QPushButton* PushButton17 = find<QPushButton>("PushButton17");
    QPushButton* PushButton21 = find<QPushButton>("PushButton21");

    QMenuBar* MenuBar = find<QMenuBar>("MenuBar");
    QMenu* mnuRename = find<QMenu>("mnuRename");
    QMenu* mnuOptions = find<QMenu>("mnuOptions");
    QAction* mnuPreview = find<QAction>("mnuPreview");
    QAction* mnuStop = find<QAction>("mnuStop");
    QAction* mnuUndo = find<QAction>("mnuUndo");
    QAction* mnuReport = find<QAction>("mnuReport");
    QAction* mnuOpenResults = find<QAction>("mnuOpenResults");
    QAction* mnuPreviewFirst = find<QAction>("mnuPreviewFirst");
    QAction* mnuOcr = find<QAction>("mnuOcr");
    QAction* mnuOcrLanguages = find<QAction>("mnuOcrLanguages");
    QAction* mnuDateDmy = find<QAction>("mnuDateDmy");
    QAction* mnuDateMdy = find<QAction>("mnuDateMdy");
    QAction* mnuDateYmd = find<QAction>("mnuDateYmd");

    // Opens a menu and closes it again, as a user who looks at it: its items show their state as
    // of now.
    static void glanceAt(QMenu* menu) {
        menu->popup(QPoint(0, 0));
        menu->hide();
    }
};

} // namespace corvander
