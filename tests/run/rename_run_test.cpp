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

// A copy that cannot be made is reported and the file counts as skipped, not as renamed.
namespace {

// Five words of 60 letters, one per line: a name that is cut to fit, with its "!" marks.
PdfDocument longWords() {
    PdfDocument document;
    document.pages = {QStringList(5, QString(60, QLatin1Char('L')))};
    return document;
}

// Every name the copy of a document of longWords() could take stands already as a folder, so
// its copy cannot be made: the last "!" mark leaves no room for the name.
void takeEveryName(const QString& folder) {
    const QString name = QStringList(5, QString(60, QLatin1Char('L'))).join(QLatin1Char(' '));
    for (int marks = 0; marks <= 251; ++marks)
        ASSERT_TRUE(QDir(folder).mkdir(name.left(251 - marks) + QString(marks, QLatin1Char('!')) +
                                       QStringLiteral(".pdf")));
}

} // namespace

TEST_F(RenameTest, FailedCopyIsReportedAndSkipped) {
    const QString longName = addPdf(QStringLiteral("long.pdf"), longWords());
    takeEveryName(results.path());
    addPdf(QStringLiteral("short.pdf"), {QStringLiteral("Short name of the file")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("5"));
    startRun();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().contains(
        QStringLiteral("\r\nin Quarnex2021/08/31.Form1.RenameFile at line ")))
        << dialogs.warnings().first().toStdString();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.") + kSkippedHeading +
                                              QStringLiteral("\r\n") + longName});
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files),
              QStringList{"Short name of the file.pdf"});
}

// Without its worker program the run says so once, names the program, and skips every file.
class RenameWithoutWorker : public RenameTest {
protected:
    void SetUp() override {
        extractorProgram = sources.filePath(QStringLiteral("no-such-worker"));
        load();
        prepare();
    }
};

TEST_F(RenameWithoutWorker, IsReportedOnceAndEveryFileIsSkipped) {
    const QString a = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    const QString b = addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().contains(extractorProgram));
    EXPECT_TRUE(dialogs.warnings().first().contains(
        QStringLiteral("in Quarnex2021/08/31.Form1.PushButton2_Click at line ")));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.") + kSkippedHeading + QStringLiteral("\r\n") + a +
                          QStringLiteral("\r\n") + b});
    EXPECT_TRUE(resultNames().isEmpty());
}

TEST_F(RenameTest, MetadataFamilyAsksNothing) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    ui.Option2->setChecked(true);
    startRun();
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::Input).isEmpty());
    EXPECT_TRUE(dialogs.messages().last().startsWith(QStringLiteral("Done.")));
}

TEST_F(RenameTest, ResultsFolderHoldsNoTemporaryCopies) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha"), QStringLiteral("Page two")});
    setMode(2);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(resultNames(), QStringList{"Page.pdf"});
}

// A bad stored mode leaves the list of modes without a selection: the run says so and starts
// nothing, instead of reporting every good file as unreadable.
TEST_F(RenameTest, ContentRunWithoutAModeAsksForOne) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    ui.Combo1->setCurrentIndex(-1);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Please choose a rename mode first.")});
    EXPECT_TRUE(dialogs.shownOf(ScriptedDialogs::Kind::Input).isEmpty());
    EXPECT_TRUE(resultNames().isEmpty());
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);

    // The metadata family needs no mode.
    dialogs.clear();
    ui.Option2->setChecked(true);
    startRun();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith(QStringLiteral("Done.")));
}

// What a killed earlier run left in the results folder is cleared at the start of the next one.
TEST_F(RenameTest, RunClearsTheLeftoversOfAKilledRun) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const QString leftover = QStringLiteral(".corvander-%1-abc-%2.part")
                                 .arg(child)
                                 .arg(QString::fromLatin1(corvander::thisHost()));
    QFile(results.filePath(leftover)).open(QIODevice::WriteOnly);
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(resultNames(), QStringList{"Alpha.pdf"});
}

// "Add All PDF File(s) In Folder" between two files of a run: the run's busy mark stays, so the
// entries the run reads by position cannot be removed under it.
TEST_F(RenameTest, FolderWalkDuringARunKeepsTheBusyMark) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta")});
    QTemporaryDir tree;
    writePdf(tree.filePath(QStringLiteral("c.pdf")), pdfOfPages({QStringLiteral("Gamma")}));
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    dialogs.answerInput(QStringLiteral("pdf"));
    dialogs.answerFolder(tree.path());
    bool busyAfterWalk = false;
    // Delivered when the run lets events through before its first file.
    QTimer::singleShot(0, window.get(), [&] {
        window->PushButton5_Click();
        busyAfterWalk = window->busyPointer().isBusy();
        ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(0));
        window->ListView1_KeyDown(Qt::Key_Delete);
        window->PushButton3_Click();
    });
    startRun();
    EXPECT_TRUE(busyAfterWalk);
    EXPECT_EQ(window->fileList().entryCount(), 3);
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Beta.pdf"}));
    EXPECT_EQ(window->pointer(), Form1::Pointer::Arrow);
}

// The same failure for many files is one box; the others are counted at the end.
TEST_F(RenameTest, RepeatedCopyFailuresGiveOneBoxAndACountedLine) {
    const PdfDocument tooLong = longWords();
    takeEveryName(results.path());
    const QString a = addPdf(QStringLiteral("a.pdf"), tooLong);
    const QString b = addPdf(QStringLiteral("b.pdf"), tooLong);
    addPdf(QStringLiteral("fine.pdf"), {QStringLiteral("Fine name of the file")});
    const QString c = addPdf(QStringLiteral("c.pdf"), tooLong);
    setMode(0);
    dialogs.answerInput(QStringLiteral("5"));
    startRun();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    const QString description = dialogs.warnings().first().section(QStringLiteral("\r\n"), 0, 0);
    EXPECT_EQ(description, QStringLiteral("Cannot create the copy: File name too long"));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.") + kSkippedHeading + QStringLiteral("\r\n") + a +
                          QStringLiteral("\r\n") + b + QStringLiteral("\r\n") + c +
                          QStringLiteral("\r\n2 more files could not be copied: ") + description});
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files),
              QStringList{"Fine name of the file.pdf"});
}

} // namespace corvander
