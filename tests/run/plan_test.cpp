// The plan a preview shows is the run that follows it.
#include "common/event_loop_waiter.h"
#include "copying/safe_copy.h"
#include "extract/extraction_pool.h"
#include "extract/lookahead.h"
#include "run/finish_as_read.h"
#include "run/rename_run.h"
#include "tests/copying/provoking_calls.h"
#include "tests/run/rename_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QThread>
#include <cstdio>

namespace corvander {

namespace {

class PlanTest : public RenameTest {
protected:
    RenameRunPorts ports() {
        return {dialogs,
                window->progress(),
                window->busyPointer(),
                window->fileList(),
                window->renameControls(),
                window->extractionPool(),
                window->waiter(),
                {QStringLiteral("Form1.PushButton2_Click"), QStringLiteral("Form1.RenameFile"),
                 QStringLiteral("Form1.RenameMeta")}};
    }

    // The names a preview plans, by list position; "(skipped: REASON)" for a file it skips.
    QStringList preview(RunPlan& plan) {
        RunOptions options;
        options.preview = true;
        options.planOut = &plan;
        bool running = false;
        RunRenaming(ports(), running, options);
        QStringList names;
        for (const corvander::PlanRow& row : plan.rows)
            names << (row.outcome.plan.copies()
                          ? row.outcome.fileName
                          : QStringLiteral("(skipped: %1)")
                                .arg(corvander::skipReasonText(row.outcome.plan.skip)));
        return names;
    }

    // The names a run copies the files under, by list position.
    QStringList run(const RunPlan* plan = nullptr) {
        QStringList names(window->fileList().entryCount());
        RunOptions options;
        options.plan = plan;
        options.fileSystem = &m_calls;
        options.fileDone = [&](int position, const FileOutcome& outcome) {
            names[position - 1] = outcome.copied()
                                      ? outcome.fileName
                                      : QStringLiteral("(skipped: %1)")
                                            .arg(corvander::skipReasonText(outcome.plan.skip));
        };
        bool running = false;
        RunRenaming(ports(), running, options);
        return names;
    }

    // Another program saves the source anew, as an editor does: a new file in the old one's
    // place, under its name.
    static void replaceSource(const QString& path, const QString& text) {
        const QString fresh = path + QStringLiteral(".new");
        ASSERT_TRUE(writePdf(fresh, pdfOfPages({text})));
        ASSERT_EQ(
            std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()),
            0);
    }

    // The copy finds the source is no longer the file that was read (the first `times` copies):
    // the test replaces it there and says so, as the copy's own check would.
    void replaceAtCopy(const QString& path, int times) {
        m_calls.beforePlacing = [this, path, times](const QString&) {
            if (m_replaced >= times)
                return;
            ++m_replaced;
            replaceSource(path, QStringLiteral("Version %1 text").arg(m_replaced));
            throw SourceChanged();
        };
    }

    int m_replaced = 0;
    // What the runs' copies call.
    ProvokingCalls m_calls{results.path()};
};

TEST_F(PlanTest, PreviewAndRunAgreeInEveryModeAndForMetadata) {
    PdfDocument titled =
        pdfOfPages({QStringLiteral("Invoice No 4711 Date 2021"),
                    QStringLiteral("Second page words"), QStringLiteral("Last page words")});
    titled.info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")},
                   {QStringLiteral("Title"), QStringLiteral("Invoice")}};
    addPdf(QStringLiteral("a.pdf"), titled);
    addPdf(QStringLiteral("b.pdf"), titled); // the same words: a "!" within the plan
    addPdf(QStringLiteral("one page.pdf"), {QStringLiteral("Invoice alone")});
    addUnreadable(QStringLiteral("broken.pdf"));
    const struct {
        int mode; // -1: metadata
        QStringList answers;
    } cases[] = {
        {0, {"2"}},       {1, {"2"}},         {2, {"2"}},  {3, {"1", "3"}}, {4, {"1,3"}},
        {5, {"no", "1"}}, {6, {"Date", "1"}}, {0, {"40"}}, {-1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1").arg(c.mode).toStdString());
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
        // A name already taken in the results folder.
        QFile taken(results.filePath(QStringLiteral("Invoice.pdf")));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
        taken.close();
        if (c.mode < 0) {
            ui.Option2->setChecked(true);
            ui.Text2->setText(QStringLiteral("%t"));
        } else {
            ui.Option1->setChecked(true);
            setMode(c.mode);
        }
        dialogs.clear();
        for (const QString& answer : c.answers)
            dialogs.answerInput(answer);
        RunPlan plan;
        const QStringList planned = preview(plan);
        EXPECT_EQ(resultNames(), QStringList{"Invoice.pdf"}) << "a preview copies nothing";
        EXPECT_EQ(dialogs.messages(), QStringList()) << "a preview ends without a message";
        for (const QString& answer : c.answers)
            dialogs.answerInput(answer);
        EXPECT_EQ(run(), planned);
        EXPECT_EQ(dialogs.unusedAnswers(), 0);
    }
    // The metadata case, in full: "!" against the folder and within the plan, and a reason.
    EXPECT_EQ(run(),
              (QStringList{"Invoice!!!.pdf", "Invoice!!!!.pdf",
                           "(skipped: empty name after cleaning)", "(skipped: unreadable)"}));
}

TEST_F(PlanTest, ARunFromAPreviewReplansOnlyTheFileThatChanged) {
    addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Alpha one")});
    const QString b = addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Beta two")});
    addPdf(QStringLiteral("c.pdf"), {QStringLiteral("Gamma three")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("1"));
    RunPlan plan;
    EXPECT_EQ(preview(plan), (QStringList{"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}));
    const qint64 sentForThePreview = window->extractionPool().requestsSent();

    // A moment passes so that the rewritten file has another time as well as another size.
    QThread::msleep(10);
    ASSERT_TRUE(writePdf(b, pdfOfPages({QStringLiteral("Delta four")})));
    EXPECT_EQ(run(&plan), (QStringList{"Alpha.pdf", "Delta.pdf", "Gamma.pdf"}));
    EXPECT_EQ(window->extractionPool().requestsSent(), sentForThePreview + 1)
        << "only the changed file is read again";
    EXPECT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::Input).size(), 1)
        << "the preview's answers stand for the run";
    EXPECT_EQ(resultNames(), (QStringList{"Alpha.pdf", "Delta.pdf", "Gamma.pdf"}));
}

TEST_F(PlanTest, StoppingAfterTheSecondOfFiveFiles) {
    for (const char* name : {"a", "b", "c", "d", "e"})
        addPdf(QString::fromLatin1(name) + QStringLiteral(".pdf"),
               {QStringLiteral("Name ") + QString::fromLatin1(name)});
    setMode(0);
    dialogs.answerInput(QStringLiteral("2"));
    int handled = 0;
    RunOptions options;
    options.fileDone = [&](int, const FileOutcome&) { ++handled; };
    options.stopRequested = [&] { return handled >= 2; };
    bool running = false;
    RunRenaming(ports(), running, options);
    EXPECT_EQ(resultNames(), (QStringList{"Name a.pdf", "Name b.pdf"}));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.\r\nStopped after 2 of 5 files.")});
    EXPECT_FALSE(window->busyPointer().isBusy());
    EXPECT_EQ(window->progress().progressValue(), 0);
    // What was sent ahead was withdrawn: nothing more reaches the workers.
    const qint64 sent = window->extractionPool().requestsSent();
    window->waiter().waitUntil([] { return true; }, [] {});
    EXPECT_LE(sent, 2 + corvander::lookaheadDepth(window->extractionPool()));
}

TEST_F(PlanTest, ASourceReplacedBetweenItsReadingAndItsCopyIsNamedByWhatIsCopied) {
    const QString a = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("Old text")});
    addPdf(QStringLiteral("b.pdf"), {QStringLiteral("Other file")});
    setMode(0);
    dialogs.answerInput(QStringLiteral("2"));
    replaceAtCopy(a, 1);
    EXPECT_EQ(run(), (QStringList{"Version 1.pdf", "Other file.pdf"}));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Version 1.pdf"))), fileBytes(a));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Done.")});

    // A preview's plan, carried out after the file changed under it, is made again.
    QDir(results.path()).removeRecursively();
    QDir().mkpath(results.path());
    replaceSource(a, QStringLiteral("Planned text"));
    dialogs.answerInput(QStringLiteral("2"));
    RunPlan plan;
    EXPECT_EQ(preview(plan), (QStringList{"Planned text.pdf", "Other file.pdf"}));
    EXPECT_EQ(plan.rows.at(0).outcome.plan.readIdentity, corvander::identityOfFile(a));
    m_replaced = 0;
    replaceAtCopy(a, 1);
    EXPECT_EQ(run(&plan), (QStringList{"Version 1.pdf", "Other file.pdf"}));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Version 1.pdf"))), fileBytes(a));
}

TEST_F(PlanTest, ASourceThatKeepsChangingIsSkippedAndSaysWhy) {
    const QString a = addPdf(QStringLiteral("a.pdf"), {QStringLiteral("First text")});
    // By metadata with a blank format: the file's own name, read again all the same.
    ui.Option2->setChecked(true);
    ui.Text2->setText(QString());
    replaceAtCopy(a, 100);
    FileOutcome outcome;
    RunOptions options;
    options.fileSystem = &m_calls;
    options.fileDone = [&](int, const FileOutcome& told) { outcome = told; };
    bool running = false;
    RunRenaming(ports(), running, options);
    EXPECT_EQ(m_replaced, kMostReadings);
    EXPECT_FALSE(outcome.copied());
    EXPECT_EQ(outcome.copyFailure, keptChangingText());
    EXPECT_EQ(resultNames(), QStringList());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Done.\r\nThe following files were skipped because they "
                                         "could not be read or renamed:\r\n") +
                          a});
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

} // namespace

} // namespace corvander
