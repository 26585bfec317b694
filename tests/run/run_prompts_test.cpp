// The prompts at the start of a run: each can be left, and a protected document can be opened.
#include "tests/run/rename_fixture.h"

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
        {6, false, {"gamma"}}, {0, true, {"1"}},  {0, false, {"no number"}},
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

// With the option checked, one masked prompt asks for the password, which opens the protected
// documents; the others read as before.
TEST_F(RenameTest, ThePasswordOpensProtectedDocuments) {
    PdfDocument locked = pdfOfPages({QStringLiteral("Locked contract text")});
    locked.encryption = PdfEncryption{"s3cret", "owner", -4};
    const QString lockedPath = addPdf(QStringLiteral("locked.pdf"), locked);
    addPdf(QStringLiteral("open.pdf"), {QStringLiteral("Open letter text")});
    setMode(0);

    // Without the option the protected file cannot be read.
    dialogs.answerInput(QStringLiteral("2"));
    startRun();
    EXPECT_EQ(resultNames(), QStringList{"Open letter.pdf"});
    EXPECT_TRUE(dialogs.messages().last().endsWith(lockedPath));

    ui.Check1->setChecked(true);
    for (const char* password : {"wrong", "s3cret"}) {
        dialogs.clear();
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
        dialogs.answerInput(QStringLiteral("2"));
        dialogs.answerInput(QString::fromLatin1(password));
        startRun();
        const auto prompts = dialogs.shownOf(Kind::Input);
        ASSERT_EQ(prompts.size(), 2);
        EXPECT_EQ(prompts[1].text, QStringLiteral("Password for protected PDF files:"));
        EXPECT_TRUE(prompts[1].masked);
    }
    EXPECT_EQ(resultNames(), (QStringList{"Locked contract.pdf", "Open letter.pdf"}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});

    // Rename by metadata reads the protected document's information with it too.
    PdfDocument titled = locked;
    titled.info = {{QStringLiteral("Title"), QStringLiteral("Secret Title")}};
    window->PushButton3_Click();
    addPdf(QStringLiteral("titled.pdf"), titled);
    ui.Option2->setChecked(true);
    ui.Text2->setText(QStringLiteral("%t"));
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("s3cret"));
    startRun();
    EXPECT_TRUE(resultNames().contains(QStringLiteral("Secret Title.pdf")));
}

} // namespace

} // namespace corvander
