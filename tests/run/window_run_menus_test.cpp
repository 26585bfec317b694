// Preview, stop, undo and the report, through the window's own menus and bar.
#include "app/file_drop_list.h"
#include "app/text_progress_bar.h"
#include "extract/check.h"
#include "tests/run/rename_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace corvander {

namespace {

using Kind = ScriptedDialogs::Kind;

class RunMenus : public RenameTest {
protected:
    // The second column, by list position; empty when it is not shown.
    QStringList newNames() const {
        QStringList names;
        if (ui.ListView1->columnCount() < 2)
            return names;
        for (int i = 0; i < ui.ListView1->topLevelItemCount(); ++i)
            names << ui.ListView1->topLevelItem(i)->text(1);
        return names;
    }

    void threeFiles() {
        addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
        addUnreadable(QStringLiteral("b.pdf"));
        addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma three")});
        setMode(0);
    }
};

TEST_F(RunMenus, APreviewShowsTheNamesAndStartRenamingCarriesThemOut) {
    threeFiles();
    dialogs.answerInput(QStringLiteral("1"));
    ui.mnuPreview->trigger();
    EXPECT_EQ(newNames(), (QStringList{"Alpha.pdf", "(skipped: unreadable)", "Gamma.pdf"}));
    EXPECT_EQ(ui.ListView1->headerItem()->text(1), QStringLiteral("New name"));
    EXPECT_EQ(ui.ListView1->topLevelItem(0)->toolTip(1), QStringLiteral("word 1 of the document"));
    EXPECT_TRUE(resultNames().isEmpty());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // The run asks nothing more: the preview's answers stand.
    dialogs.clear();
    startRun();
    EXPECT_TRUE(dialogs.shownOf(Kind::Input).isEmpty());
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Gamma.pdf"}));
    EXPECT_TRUE(newNames().isEmpty()) << "a plan is carried out once";

    // An edit makes a shown plan stale.
    dialogs.answerInput(QStringLiteral("1"));
    ui.mnuPreview->trigger();
    EXPECT_EQ(newNames().size(), 3);
    ui.Text2->setText(QStringLiteral("%t"));
    EXPECT_TRUE(newNames().isEmpty());
    dialogs.answerInput(QStringLiteral("1"));
    ui.mnuPreview->trigger();
    addPdf(QStringLiteral("d.pdf"), {QStringLiteral("Delta")});
    EXPECT_TRUE(newNames().isEmpty());
}

TEST_F(RunMenus, WithPreviewFirstTheButtonShowsThePlanThenCarriesItOut) {
    threeFiles();
    ui.mnuPreviewFirst->setChecked(true);
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(newNames(), (QStringList{"Alpha.pdf", "(skipped: unreadable)", "Gamma.pdf"}));
    EXPECT_TRUE(resultNames().isEmpty());
    startRun();
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Gamma.pdf"}));
}

TEST_F(RunMenus, AClickOnTheBarOrEscStopsAfterTheCurrentFile) {
    for (const char* name : {"a", "b", "c", "d", "e"})
        addPdf(QString::fromLatin1(name) + QStringLiteral(".pdf"),
               {QStringLiteral("Name ") + QString::fromLatin1(name)});
    setMode(0);
    // Esc reaches the menu's shortcut only in the active window.
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Esc" : "click");
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
        dialogs.clear();
        dialogs.answerInput(QStringLiteral("2"));
        // While the second of five files is announced.
        const auto connection = QObject::connect(
            ui.ProgressBar1, &QProgressBar::valueChanged, window.get(), [&](int value) {
                if (value != 40)
                    return;
                if (byKey)
                    QTest::keyClick(window.get(), Qt::Key_Escape);
                else
                    QTest::mouseClick(ui.ProgressBar1, Qt::LeftButton);
            });
        startRun();
        QObject::disconnect(connection);
        EXPECT_EQ(resultNames(), (QStringList{"Name a.pdf", "Name b.pdf"}));
        EXPECT_EQ(dialogs.messages(),
                  QStringList{QStringLiteral("Done.\r\nStopped after 2 of 5 files.")});
        EXPECT_FALSE(ui.mnuStop->isEnabled());
    }
}

TEST_F(RunMenus, UndoRemovesTheUnchangedCopiesAndNamesTheChangedOne) {
    threeFiles();
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    const QString changed = results.filePath(QStringLiteral("Gamma.pdf"));
    QFile copy(changed);
    ASSERT_TRUE(copy.open(QIODevice::Append));
    copy.write("edited since");
    copy.close();

    dialogs.clear();
    dialogs.answerYesNo(true);
    ui.mnuUndo->trigger();
    ASSERT_EQ(dialogs.shownOf(Kind::YesNo).size(), 1);
    EXPECT_TRUE(
        dialogs.shownOf(Kind::YesNo)
            .first()
            .text.startsWith(QStringLiteral("Remove the 2 copies that the last run made in ") +
                             results.path()));
    EXPECT_EQ(resultNames(), QStringList{"Gamma.pdf"});
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(changed))
        << dialogs.messages().first().toStdString();
    EXPECT_EQ(contentOf(sources.path()).size(), 3) << "sources are never touched";

    // Nothing is left to undo, and the item says so before it is clicked.
    EXPECT_FALSE(ui.mnuUndo->isEnabled());
    EXPECT_TRUE(ui.mnuReport->isEnabled()) << "an undone run is still reported on";
    // Clicked all the same (through its action, as a shortcut would): the message tells why.
    dialogs.clear();
    ui.mnuUndo->setEnabled(true);
    ui.mnuUndo->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("There is no run to undo.")});
}

TEST_F(RunMenus, TheReportIsTheLastRunAsCsv) {
    threeFiles();
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    const QString report = sources.filePath(QStringLiteral("report.csv"));
    dialogs.answerFolder(report);
    ui.mnuReport->trigger();
    const QList<QByteArray> lines = fileBytes(report).split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.at(0), QByteArray("source,new name,status,reason,provenance\r"));
    EXPECT_TRUE(lines.at(2).contains(",skipped,unreadable,")) << lines.at(2).toStdString();
}

// A scan read with OCR off: the preview, the run's report and the check say "no text" alike; the
// window adds where OCR is turned on, after the reason and after the check's own message.
TEST_F(RunMenus, AScanHasOneReasonInThePreviewTheReportAndTheCheck) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
    PdfDocument scan;
    scan.pages = {{}, {}};
    scan.imageOnly = true;
    addPdf(QStringLiteral("scan.pdf"), scan);
    setMode(0);
    const QString hint = QStringLiteral(" (OCR is off: try Options > Read scanned pages with OCR)");

    dialogs.answerInput(QStringLiteral("1"));
    ui.mnuPreview->trigger();
    EXPECT_EQ(newNames(), (QStringList{"Alpha.pdf", "(skipped: no text" + hint + ")"}));
    startRun();
    const QString report = sources.filePath(QStringLiteral("report.csv"));
    dialogs.answerFolder(report);
    ui.mnuReport->trigger();
    const QList<QByteArray> lines = fileBytes(report).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.at(2).contains(",skipped,no text,")) << lines.at(2).toStdString();
    EXPECT_EQ(readabilityText(Readability::NoText), QStringLiteral("no text"));

    dialogs.clear();
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().endsWith(
        QStringLiteral(" if you have any questions.\r\n\r\nFiles without text may be scans: turn "
                       "on Options > \"Read scanned pages with OCR\" to read them.")))
        << dialogs.messages().first().toStdString();
}

} // namespace

} // namespace corvander
