// The prompts of a run: each can be left, and a protected document asks for its password.
#include "app/file_drop_list.h"
#include "tests/run/rename_fixture.h"

#include <QAction>
#include <QCheckBox>

namespace corvander {

namespace {

using Kind = ScriptedDialogs::Kind;

// Cancel on any prompt ends the run before a file is touched, with nothing more said.
TEST_F(RenameTest, CancelOnAnyPromptEndsTheRunWithNoCopy) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha beta gamma")});
    const struct {
        int mode;
        bool password;
        QStringList answersBeforeCancel;
    } cases[] = {
        {0, false, {}},        {1, false, {}},    {2, false, {}},
        {3, false, {}},        {3, false, {"1"}}, {4, false, {}},
        {4, false, {"x,1"}},   {5, false, {}},    {5, false, {"alpha"}},
        {6, false, {"gamma"}}, {0, true, {}},     {0, false, {"no number"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1 after %2%3")
                         .arg(c.mode)
                         .arg(c.answersBeforeCancel.join('|'))
                         .arg(c.password ? " (password)" : "")
                         .toStdString());
        ui.Check1->setChecked(c.password);
        dialogs.clear();
        setMode(c.mode);
        for (const QString& answer : c.answersBeforeCancel)
            dialogs.answerInput(answer);
        dialogs.answerCancel();
        startRun();
        EXPECT_EQ(dialogs.unusedAnswers(), 0);
        EXPECT_TRUE(resultNames().isEmpty());
        // A refused number is the only message; "Done." never comes.
        for (const QString& message : dialogs.messages())
            EXPECT_EQ(message, QStringLiteral("Must be numeric."));
        EXPECT_TRUE(dialogs.warnings().isEmpty());
        EXPECT_FALSE(window->busyPointer().isBusy());
        EXPECT_EQ(window->progress().progressText(), QStringLiteral("Progress Bar"));
    }
}

TEST_F(RenameTest, EmptyAnswersWithOkKeepTheirRules) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha beta gamma")});
    setMode(0);
    dialogs.answerInput(QString());
    dialogs.answerInput(QStringLiteral("1"));
    startRun();
    EXPECT_EQ(dialogs.messages(),
              (QStringList{QStringLiteral("Must be numeric."), QStringLiteral("Done.")}));
    EXPECT_EQ(resultNames(), QStringList{"Alpha.pdf"});
}

// The names a preview shows beside the list, by list position.
QStringList plannedNames(const Form1Controls& ui) {
    QStringList names;
    for (int i = 0; i < ui.ListView1->topLevelItemCount(); ++i)
        names << ui.ListView1->topLevelItem(i)->text(1);
    return names;
}

// With the option checked, a masked prompt asks for the password when the first document that
// needs one is met, and again when the one given was wrong. A document with only an owner
// password, and any other, reads as it does without a password.
TEST_F(RenameTest, ThePasswordIsAskedForWhereOneIsNeededAndAgainWhenWrong) {
    PdfDocument restricted = pdfOfPages({QStringLiteral("Restricted memo text")});
    restricted.encryption = PdfEncryption{{}, "owner", -4};
    addPdf(QStringLiteral("restricted.pdf"), restricted);
    addPdf(QStringLiteral("open.pdf"), {QStringLiteral("Open letter text")});
    setMode(0);
    const auto fresh = [&] {
        dialogs.clear();
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
    };

    // No listed file needs a password: none is asked for, even with the option checked.
    ui.Check1->setChecked(true);
    dialogs.answerInput(QStringLiteral("2"));
    startRun();
    EXPECT_EQ(dialogs.shownOf(Kind::Input).size(), 1);
    EXPECT_EQ(resultNames(), (QStringList{"Open letter.pdf", "Restricted memo.pdf"}));

    PdfDocument locked = pdfOfPages({QStringLiteral("Locked contract text")});
    locked.encryption = PdfEncryption{"s3cret", "owner", -4};
    const QString lockedPath = addPdf(QStringLiteral("locked.pdf"), locked);

    // Without the option the protected file cannot be read, and nothing asks.
    ui.Check1->setChecked(false);
    fresh();
    dialogs.answerInput(QStringLiteral("2"));
    startRun();
    EXPECT_EQ(dialogs.shownOf(Kind::Input).size(), 1);
    EXPECT_EQ(resultNames(), (QStringList{"Open letter.pdf", "Restricted memo.pdf"}));
    EXPECT_TRUE(dialogs.messages().last().endsWith(lockedPath));

    // A wrong password is asked for again, saying so; the right one opens the document, and the
    // one with only an owner password still opens as before.
    ui.Check1->setChecked(true);
    fresh();
    dialogs.answerInput(QStringLiteral("2"));
    dialogs.answerInput(QStringLiteral("wrong"));
    dialogs.answerInput(QStringLiteral("s3cret"));
    startRun();
    const auto prompts = dialogs.shownOf(Kind::Input);
    ASSERT_EQ(prompts.size(), 3);
    EXPECT_EQ(prompts[1].text, QStringLiteral("Password for protected PDF files:"));
    EXPECT_EQ(prompts[2].text, QStringLiteral("Wrong password. Password for protected PDF files:"));
    EXPECT_TRUE(prompts[1].masked);
    EXPECT_TRUE(prompts[2].masked);
    EXPECT_EQ(resultNames(),
              (QStringList{"Locked contract.pdf", "Open letter.pdf", "Restricted memo.pdf"}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});

    // A preview left at a wrong password says so for that file alone, and the run after it asks
    // again instead of keeping the wrong one.
    fresh();
    dialogs.answerInput(QStringLiteral("2"));
    dialogs.answerInput(QStringLiteral("guess"));
    dialogs.answerCancel();
    ui.mnuPreview->trigger();
    EXPECT_EQ(plannedNames(ui),
              (QStringList{"Restricted memo.pdf", "Open letter.pdf", "(skipped: wrong password)"}));
    dialogs.answerInput(QStringLiteral("s3cret"));
    startRun();
    EXPECT_EQ(dialogs.shownOf(Kind::Input).size(), 4);
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
    EXPECT_EQ(resultNames(),
              (QStringList{"Locked contract.pdf", "Open letter.pdf", "Restricted memo.pdf"}));

    // Left with Cancel, the prompt comes no more in that run and the file is skipped.
    fresh();
    dialogs.answerInput(QStringLiteral("2"));
    dialogs.answerCancel();
    ui.mnuPreview->trigger();
    EXPECT_EQ(plannedNames(ui).last(), QStringLiteral("(skipped: password needed)"));
    EXPECT_EQ(dialogs.shownOf(Kind::Input).size(), 2);

    // Rename by metadata reads the protected document's information with it too.
    PdfDocument titled = locked;
    titled.info = {{QStringLiteral("Title"), QStringLiteral("Secret Title")}};
    window->PushButton3_Click();
    addPdf(QStringLiteral("titled.pdf"), titled);
    ui.Option2->setChecked(true);
    ui.Text2->setText(QStringLiteral("%t"));
    fresh();
    dialogs.answerInput(QStringLiteral("s3cret"));
    startRun();
    EXPECT_EQ(resultNames(), QStringList{"Secret Title.pdf"});
}

} // namespace

} // namespace corvander
