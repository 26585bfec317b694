#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "copying/copy_markers.h"
#include "tests/run/rename_fixture.h"

#include <QPushButton>
#include <QTimer>
#include <sys/wait.h>
#include <unistd.h>

namespace corvander {

namespace {

const QString kSkippedHeading = QStringLiteral(
    "\r\nThe following files were skipped because they could not be read or renamed:");

} // namespace

TEST_F(RenameTest, SecondOfThreeFailingShowsProgressAndListsOnlyIt) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
    const QString bad = addUnreadable(QStringLiteral("b.pdf"));
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma three")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    QList<int> values;
    QStringList texts;
    QObject::connect(ui.ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
        values.append(value);
        texts.append(window->progress().progressText());
    });

    startRun();

    EXPECT_EQ(values, (QList<int>{33, 66, 100, 0}));
    EXPECT_EQ(texts, (QStringList{"Progress Bar", "Processing: a.pdf", "Processing: b.pdf",
                                  "Processing: c.pdf"}));
    EXPECT_EQ(window->progress().progressText(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(window->progress().progressValue(), 0);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.") + kSkippedHeading +
                                              QStringLiteral("\r\n") + bad});
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Gamma.pdf"}));
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

TEST_F(RenameTest, EveryFileSucceedingSaysDoneAlone) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Same name")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Same name")});
    // A name that a shell or an option parser would misread.
    addPdf(QStringLiteral("-f 2 \"$HOME\" `x` 'q'.pdf"), {QStringLiteral("Odd file")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("2"));
    startRun();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(dialogs.warnings().isEmpty());
    EXPECT_EQ(resultNames(), (QStringList{"Odd file.pdf", "Same name!.pdf", "Same name.pdf"}));
}

TEST_F(RenameTest, NothingToDoOrNowhereToPutIt) {
    using Kind = ScriptedDialogs::Kind;
    startRun();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("No files added.")});

    const QString file = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    for (const QString& folder : {file, QString(), results.filePath(QStringLiteral("missing"))}) {
        dialogs.clear();
        ui.Text1->setText(folder);
        startRun();
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral(
                                          "Folder does not exist. Please select another folder.")})
            << folder.toStdString();
        EXPECT_TRUE(dialogs.shownOf(Kind::Input).isEmpty());
        EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
    }
    EXPECT_TRUE(resultNames().isEmpty());
}

// A click on "Start Renaming" while a run is under way, at a prompt or between files, does nothing.
TEST_F(RenameTest, SecondClickDuringARunDoesNothing) {
    using Kind = ScriptedDialogs::Kind;
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta")});
    setMode(0);
    // Enough answers for the runs a missing guard would start, so that such a fault fails
    // the test instead of hanging it at an unanswered prompt.
    for (int i = 0; i < 3; ++i)
        dialogs.answerInput(QStringLiteral("1"));
    bool busyAtPrompt = false;
    dialogs.onNextDialog([&] {
        busyAtPrompt = window->busyPointer().isBusy();
        ui.PushButton2->click();
    });
    // Delivered when the run lets events through before its first file.
    QTimer::singleShot(0, ui.PushButton2, &QPushButton::click);

    startRun();

    EXPECT_TRUE(busyAtPrompt);
    EXPECT_EQ(dialogs.shownOf(Kind::Input).size(), 1);
    EXPECT_EQ(dialogs.unusedAnswers(), 2);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Beta.pdf"}));
    while (dialogs.unusedAnswers() > 0)
        dialogs.inputBox({}, {}, {});

    // Once the run is over, the button starts a new one.
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(resultNames(), (QStringList{"Alpha!.pdf", "Alpha.pdf", "Beta!.pdf", "Beta.pdf"}));
}

// The mode is read again for every file: a change during the run applies to the files after it.
TEST_F(RenameTest, ModeChangedDuringTheRunAppliesToTheFollowingFiles) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("First A"), QStringLiteral("Second A")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("First B"), QStringLiteral("Second B")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    QObject::connect(ui.ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
        if (value == 100)
            setMode(1);
    });
    startRun();
    EXPECT_EQ(resultNames(), (QStringList{"First.pdf", "Second.pdf"}));
}

// The report comes for the first file; the same report for the files after it is counted.
TEST_F(RenameTest, NumberBeyondThirtyTwoBitsIsReportedOnceAndCounted) {
    const QString a = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    const QString b = addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta")});
    const QString c = addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("3000000000"));
    startRun();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().startsWith(
        QStringLiteral("Overflow\r\nin Quarnex2021/08/31.Form1.PushButton2_Click at line ")))
        << dialogs.warnings().first().toStdString();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.") + kSkippedHeading + QStringLiteral("\r\n") + a +
                          QStringLiteral("\r\n") + b + QStringLiteral("\r\n") + c +
                          QStringLiteral("\r\n2 more files could not be copied: Overflow")});
    EXPECT_TRUE(resultNames().isEmpty());
}

} // namespace corvander
