#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "common/app_title.h"
#include "extract/extraction_pool.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/process_probe.h"
#include "tests/support/qt_printers.h"
#include "tests/support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace corvander {

namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* parent;
    QRect geometry; // pixels, from the top-left corner of the container's client area
    const char* caption;
};

// The window's layout in pixels, converted by hand from the twips it was drawn in.
const Expected kControls[] = {
    {"Frame3", "QGroupBox", "Form1", {8, 232, 520, 49}, "Option"},
    {"Check1",
     "QCheckBox",
     "Frame3",
     {16, 20, 401, 17},
     "Prompt for password because PDF files are password protected"},
    {"PushButton7", "QPushButton", "Form1", {8, 8, 520, 27}, "Help"},
    {"Frame2", "QGroupBox", "Form1", {8, 447, 520, 54}, "Save Results To This Folder"},
    {"Text1", "QLineEdit", "Frame2", {16, 20, 442, 23}, nullptr},
    {"PushButton4", "QPushButton", "Frame2", {464, 20, 40, 23}, "..."},
    {"ListView1", "corvander::FileDropList", "Form1", {8, 42, 520, 121}, nullptr},
    {"Frame1", "QGroupBox", "Form1", {8, 285, 520, 159}, "Rename Options"},
    {"Text2", "QLineEdit", "Frame1", {32, 90, 426, 23}, nullptr},
    {"Option1", "QRadioButton", "Frame1", {16, 20, 129, 17}, "Rename by content"},
    {"Option2", "QRadioButton", "Frame1", {16, 71, 145, 17}, "Rename by metadata"},
    {"Combo1", "QComboBox", "Frame1", {32, 40, 424, 23}, nullptr},
    {"PushButton8", "QPushButton", "Frame1", {464, 40, 40, 23}, "?"},
    {"PushButton9", "QPushButton", "Frame1", {464, 88, 40, 23}, "?"},
    {"PushButton10", "QPushButton", "Frame1", {120, 120, 72, 27}, "%a - %t"},
    {"PushButton11", "QPushButton", "Frame1", {200, 120, 72, 27}, "%a - %s"},
    {"PushButton12", "QPushButton", "Frame1", {280, 120, 72, 27}, "%c - %t"},
    {"PushButton13", "QPushButton", "Frame1", {360, 120, 72, 27}, "%c - %s"},
    {"PushButton14", "QPushButton", "Frame1", {440, 120, 64, 27}, "%t - %g"},
    {"Label1", "QLabel", "Frame1", {32, 126, 77, 15}, "Load Sample:"},
    {"ProgressBar1", "corvander::TextProgressBar", "Form1", {8, 543, 520, 27}, "Progress Bar"},
    {"PushButton2", "QPushButton", "Form1", {8, 508, 520, 27}, "Start Renaming"},
    {"PushButton5", "QPushButton", "Form1", {272, 169, 256, 27}, "Add All PDF File(s) In Folder"},
    {"PushButton1", "QPushButton", "Form1", {8, 169, 256, 27}, "Add PDF File(s)"},
    {"PushButton3", "QPushButton", "Form1", {8, 203, 256, 27}, "Clear List"},
    {"PushButton6", "QPushButton", "Form1", {272, 203, 256, 27}, "Load Sample/Example Files"},
};

QString captionOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* bar = qobject_cast<TextProgressBar*>(widget))
        return bar->text();
    return {};
}

} // namespace

using Form1Layout = WindowTest;

TEST_F(Form1Layout, EveryControlHasItsNameKindParentPlaceAndCaption) {
    Form1& form = load();
    // The menu bar sits above the client area, which has the drawn size: the drawn area, 536
    // wide, and the template panel beside it, 280 wide.
    const QRect client = form.clientArea();
    EXPECT_EQ(client.size(), QSize(536 + 280, 577));
    EXPECT_EQ(form.size(), QSize(536 + 280, 577 + client.top()));
    EXPECT_GT(client.top(), 0);
    EXPECT_EQ(ui.MenuBar->geometry(), QRect(0, 0, 536 + 280, client.top()));
    for (const Expected& expected : kControls) {
        SCOPED_TRACE(expected.name);
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(expected.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), expected.className);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
        const QRect place = widget->parentWidget() == &form
                                ? widget->geometry().translated(-client.topLeft())
                                : widget->geometry();
        EXPECT_EQ(place, expected.geometry);
        if (expected.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(expected.caption));
        }
        const QFont font = widget->font();
        EXPECT_TRUE(font.bold());
        EXPECT_DOUBLE_EQ(font.pointSizeF(), qobject_cast<QAbstractButton*>(widget) &&
                                                    !qobject_cast<QCheckBox*>(widget) &&
                                                    !qobject_cast<QRadioButton*>(widget)
                                                ? 11.25
                                                : 9.0);
    }
}

TEST_F(Form1Layout, ListColumnModesAndCaptionAfterStartUp) {
    Form1& form = load();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Corvander"));
    EXPECT_EQ(ui.ListView1->columnCount(), 1);
    EXPECT_EQ(ui.ListView1->headerItem()->text(0), QStringLiteral(" PDF File(s)"));
    EXPECT_EQ(ui.ListView1->columnWidth(0), 467);
    EXPECT_EQ(ui.ListView1->toolTip(),
              QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | "
                             "line to right and out of window to reveal full names."));
    const QStringList modes = {
        QStringLiteral("Rename by the first x word(s)"),
        QStringLiteral("Rename by the first x word(s) on page 2"),
        QStringLiteral("Rename by the first x word(s) on last page"),
        QStringLiteral("Rename by the first x word(s) on page y"),
        QStringLiteral("Rename by x1, x2, x3 word(s) on first page"),
        QStringLiteral("Rename by n words after x string"),
        QStringLiteral("Rename by n words before x string"),
    };
    ASSERT_EQ(ui.Combo1->count(), modes.size());
    for (int i = 0; i < modes.size(); ++i)
        EXPECT_EQ(ui.Combo1->itemText(i), modes.at(i));
}

TEST_F(Form1Layout, HandOverButtonsArrowElsewhereAndNeitherWhileBusy) {
    QImage hand(16, 16, QImage::Format_ARGB32);
    hand.fill(Qt::black);
    ASSERT_TRUE(hand.save(programFolder + QStringLiteral("/HAND-M.CUR"), "PNG"));
    Form1& form = load();
    EXPECT_TRUE(form.hasCustomCursor());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(ui.PushButton14, &enter);
    EXPECT_EQ(form.pointer(), Form1::Pointer::Custom);
    QApplication::sendEvent(ui.Frame1, &enter);
    EXPECT_EQ(form.pointer(), Form1::Pointer::Arrow);

    form.busyPointer().setBusy(true);
    QApplication::sendEvent(ui.PushButton2, &enter);
    QApplication::sendEvent(ui.ListView1->viewport(), &enter);
    EXPECT_TRUE(form.busyPointer().isBusy());
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
    form.busyPointer().setBusy(false);
    QApplication::sendEvent(ui.PushButton2, &enter);
    EXPECT_EQ(form.pointer(), Form1::Pointer::Custom);
}

TEST_F(Form1Layout, WithoutCursorFileTheButtonsShowTheArrow) {
    Form1& form = load();
    EXPECT_FALSE(form.hasCustomCursor());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(ui.PushButton1, &enter);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Form1Layout, ThemeFileIsAppliedWhenPresent) {
    QDir(programFolder).mkpath(QStringLiteral("x"));
    QFile sheet(programFolder + QStringLiteral("/x/o.qss"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("QPushButton { color: darkblue; }");
    sheet.close();
    EXPECT_EQ(load().styleSheet(), QStringLiteral("QPushButton { color: darkblue; }"));
}

TEST_F(Form1Layout, HomePageOpensOnlyOnTheLuckyDrawAndOnlyWhenThereIsOne) {
    draw = 6;
    load();
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally).isEmpty());
    window.reset();
    draw = 7;
    load();
    const auto opened = dialogs.shownOf(ScriptedDialogs::Kind::OpenExternally);
    // A build without a home page opens nothing, whatever the draw.
    const QString homePage = QString::fromLatin1(kHomePage);
    ASSERT_EQ(opened.size(), homePage.isEmpty() ? 0 : 1);
    if (!homePage.isEmpty()) {
        EXPECT_EQ(opened.at(0).text, homePage);
    }
}

TEST_F(Form1Layout, ClosingEndsTheProgramAndKillsTheWorkers) {
    Form1& form = load();
    // A check starts the workers, which then wait for more.
    const QString pdf = home.filePath(QStringLiteral("a.pdf"));
    ASSERT_TRUE(writePdf(pdf, pdfOfPages({QStringLiteral("Alpha beta gamma")})));
    form.fileList().appendEntry(pdf);
    form.runReadabilityCheck();
    const QList<qint64> workers = form.extractionPool().workerProcessIds();
    ASSERT_FALSE(workers.isEmpty());
    form.close();
    EXPECT_EQ(terminated, 1);
    for (const qint64 pid : workers)
        EXPECT_TRUE(processEnds(pid)) << pid;
}

} // namespace corvander
