// The Rename menu's items that depend on what runs left behind: Undo Last Run, Save Report and
// Open Results Folder, through the window's own menu.
#include "journal/run_journal.h"
#include "tests/run/rename_fixture.h"

#include <QApplication>
#include <QTest>

namespace corvander {

namespace {

using Kind = ScriptedDialogs::Kind;

class RenameMenu : public RenameTest {
protected:
    // A journal folder of the test's own: the items read it.
    void SetUp() override {
        m_savedState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path()));
        RenameTest::SetUp();
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", m_savedState); }

    void oneRun() {
        addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
        setMode(0);
        dialogs.answerInput(QStringLiteral("1"));
        startRun();
        ASSERT_EQ(resultNames(), QStringList{"Alpha.pdf"});
    }

    // The window loses the focus to another one and gets it back, as when the user was away.
    void comeBack() {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTemporaryDir m_state;

private:
    QByteArray m_savedState;
};

TEST_F(RenameMenu, UndoAndReportAreOfferedWhileThereIsARunAndFollowRunsMadeElsewhere) {
    EXPECT_FALSE(ui.mnuUndo->isEnabled()) << "no run yet";
    EXPECT_FALSE(ui.mnuReport->isEnabled()) << "no run yet";
    Form1Controls::glanceAt(ui.mnuRename);
    EXPECT_FALSE(ui.mnuUndo->isEnabled());
    EXPECT_FALSE(ui.mnuReport->isEnabled());

    oneRun();
    EXPECT_TRUE(ui.mnuUndo->isEnabled()) << "the window's own run, with no menu opened";
    EXPECT_TRUE(ui.mnuReport->isEnabled());

    // The journal goes away behind the window's back (another program's undo and prune): the
    // window finds out when the user comes back to it, and again when the menu opens.
    const QString folder = RunJournal::folder();
    const QStringList journals = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(journals.size(), 1);
    const QString aside = m_state.filePath(journals.first());
    ASSERT_TRUE(QFile::rename(QDir(folder).filePath(journals.first()), aside));
    window->show();
    comeBack();
    EXPECT_FALSE(ui.mnuUndo->isEnabled());
    EXPECT_FALSE(ui.mnuReport->isEnabled());
    ASSERT_TRUE(QFile::rename(aside, QDir(folder).filePath(journals.first())));
    Form1Controls::glanceAt(ui.mnuRename);
    EXPECT_TRUE(ui.mnuUndo->isEnabled()) << "a run appeared while the window was open";
    EXPECT_TRUE(ui.mnuReport->isEnabled());

    dialogs.answerYesNo(true);
    ui.mnuUndo->trigger();
    EXPECT_EQ(dialogs.messages().last(), QStringLiteral("Removed 1 copy."));
    EXPECT_FALSE(ui.mnuUndo->isEnabled()) << "nothing is left to undo";
    EXPECT_TRUE(ui.mnuReport->isEnabled());
}

TEST_F(RenameMenu, OpenResultsFolderHandsTheFolderToTheDesktopOnlyWhenItIsThere) {
    Form1Controls::glanceAt(ui.mnuRename);
    ASSERT_TRUE(ui.mnuOpenResults->isEnabled());
    ui.mnuOpenResults->trigger();
    const QList<ScriptedDialogs::Shown> opened = dialogs.shownOf(Kind::OpenExternally);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().text, QUrl::fromLocalFile(results.path()).toString());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // A folder that is not there is neither offered nor handed on.
    const QString missing = results.filePath(QStringLiteral("gone"));
    ui.Text1->setText(missing);
    Form1Controls::glanceAt(ui.mnuRename);
    EXPECT_FALSE(ui.mnuOpenResults->isEnabled());
    dialogs.clear();
    ui.mnuOpenResults->setEnabled(true); // as a stale menu would leave it
    ui.mnuOpenResults->trigger();
    EXPECT_TRUE(dialogs.shownOf(Kind::OpenExternally).isEmpty());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("The results folder %1 does not exist.").arg(missing)});

    // A desktop that cannot open it: the error report says so.
    ui.Text1->setText(results.path());
    dialogs.clear();
    dialogs.openExternallyResult = false;
    ui.mnuOpenResults->trigger();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().contains(QStringLiteral("mnuOpenResults_Click")))
        << dialogs.warnings().first().toStdString();
}

} // namespace

} // namespace corvander
