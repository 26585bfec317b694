// The command line gives the names the window gives, and judges files as the window's check does.
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "extract/reason_texts.h"
#include "run/rename_run.h"
#include "tests/cli/program_runner.h"
#include "tests/extract/pdf_files.h"
#include "tests/run/rename_fixture.h"

namespace corvander {

namespace {

class AgreementTest : public RenameTest {
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

    // The window's run over its list: "copied NAME" or "skipped REASON" per file, the reason
    // in full, with the hint the command line adds to "no text" while OCR is off.
    QStringList windowRun() {
        QStringList ends(window->fileList().entryCount());
        RunOptions options;
        options.fileDone = [&](int position, const FileOutcome& outcome) {
            ends[position - 1] =
                outcome.copied()
                    ? QStringLiteral("copied ") + outcome.fileName
                    : QStringLiteral("skipped ") +
                          outcome.plan.skipTextWithHint(window->extractionPool().ocr().enabled,
                                                        reasons::ocrHintForCommandLine());
        };
        bool running = false;
        RunRenaming(ports(), running, options);
        return ends;
    }

    // The same from the command line's lines, checked to name the listed files in list order.
    QStringList commandRun(const ProgramResult& result) {
        QStringList ends;
        const QList<QByteArray> lines = result.lines();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines.at(i).split('\t');
            EXPECT_EQ(fields.size(), 3) << lines.at(i).constData();
            if (fields.size() != 3)
                continue;
            EXPECT_EQ(QString::fromUtf8(fields.at(1)), window->fileList().entryText(int(i) + 1));
            ends << QString::fromUtf8(fields.at(0) + ' ' + fields.at(2));
        }
        return ends;
    }

    // An emptied folder in which the first planned name is already taken.
    void resetWithTakenName(const QString& folder) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        QFile taken(folder + QStringLiteral("/Invoice.pdf"));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }

    QStringList listedPaths() {
        QStringList paths;
        for (int position = 1; position <= window->fileList().entryCount(); ++position)
            paths << window->fileList().entryText(position);
        return paths;
    }

    ProgramRunner program;
    QTemporaryDir commandResults;
};

TEST_F(AgreementTest, SameNamesAndSkippedFilesInEveryModeAndForMetadata) {
    PdfDocument titled =
        pdfOfPages({QStringLiteral("Invoice No 4711 Date 2021"),
                    QStringLiteral("Second page words"), QStringLiteral("Last page words")});
    titled.info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")},
                   {QStringLiteral("Title"), QStringLiteral("Invoice")}};
    addPdf(QStringLiteral("a.pdf"), titled);
    addPdf(QStringLiteral("b.pdf"), titled); // the same words: a "!" within the run
    addPdf(QStringLiteral("one page.pdf"), {QStringLiteral("Invoice alone")});
    addUnreadable(QStringLiteral("broken.pdf"));
    PdfDocument scan;
    scan.pages = {{}};
    scan.imageOnly = true;
    addPdf(QStringLiteral("scan.pdf"), scan);
    const struct {
        int mode; // -1: metadata
        QStringList answers;
        QStringList options;
    } cases[] = {
        {0, {"2"}, {"--words", "2"}},
        {1, {"2"}, {"--words", "2", "--page", "2"}},
        {2, {"2"}, {"--words", "2", "--page", "last"}},
        {3, {"1", "3"}, {"--words", "1", "--page", "3"}},
        {4, {"1,3"}, {"--word-numbers", "1,3"}},
        {5, {"no", "1"}, {"--after", "no", "--words", "1"}},
        {6, {"Date", "1"}, {"--before", "Date", "--words", "1"}},
        {0, {"40"}, {"--words", "40"}},
        {0, {"0"}, {"--words", "0"}},
        {-1, {}, {"--format", "%t"}},
        {-1, {}, {"--format", "%a - %t"}},
    };
    int copies = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(QLatin1Char(' ')).toStdString());
        resetWithTakenName(results.path());
        resetWithTakenName(commandResults.path());
        if (c.mode < 0) {
            ui.Option2->setChecked(true);
            ui.Text2->setText(c.options.last());
        } else {
            ui.Option1->setChecked(true);
            setMode(c.mode);
        }
        dialogs.clear();
        for (const QString& answer : c.answers)
            dialogs.answerInput(answer);
        const QStringList byWindow = windowRun();

        QList<QByteArray> arguments{"rename"};
        for (const QString& option : c.options)
            arguments << arg(option);
        arguments << "--to" << arg(commandResults.path());
        for (const QString& path : listedPaths())
            arguments << arg(path);
        const ProgramResult result = program.run(arguments);
        EXPECT_EQ(commandRun(result), byWindow);
        EXPECT_EQ(contentOf(commandResults.path()), contentOf(results.path()));
        EXPECT_EQ(result.status, byWindow.filter(QStringLiteral("skipped")).isEmpty() ? 0 : 1);
        copies += int(byWindow.filter(QStringLiteral("copied")).size());
    }
    EXPECT_GT(copies, 20) << "most cases copy files";
    // One case in full: "!" against the folder and within the run, and the reasons.
    resetWithTakenName(results.path());
    ui.Text2->setText(QStringLiteral("%t"));
    EXPECT_EQ(windowRun(), (QStringList{"copied Invoice!.pdf", "copied Invoice!!.pdf",
                                        "skipped empty name after cleaning", "skipped unreadable",
                                        "skipped empty name after cleaning"}));
}

TEST_F(AgreementTest, CheckAgreesWithTheWindowsCheck) {
    using namespace pdf_files;
    const QDir files(sources.path());
    PdfDocument locked = pdfOfPages({QStringLiteral("Locked quarterly figures")});
    locked.encryption = PdfEncryption{"opensesame", "owner"};
    const QString lockedPath = files.filePath(QStringLiteral("locked.pdf"));
    ASSERT_TRUE(writePdf(lockedPath, locked));
    const QStringList listed = {
        textPdf(files, QStringLiteral("good.pdf")),
        imagePdf(files, QStringLiteral("scan.pdf")),
        plainFile(files, QStringLiteral("notes.pdf"), "Just some plain text\n"),
        files.filePath(QStringLiteral("gone.pdf")),
        textPdf(files, QStringLiteral("nine.pdf"), {QStringLiteral("abcd")}),
        lockedPath,
        textPdf(files, QStringLiteral("ten.pdf"), {QStringLiteral("abcde")}),
    };
    for (const QString& path : listed)
        window->fileList().appendEntry(path);
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QString message = dialogs.messages().first();

    QList<QByteArray> arguments{"check"};
    for (const QString& path : listed)
        arguments << arg(path);
    const ProgramResult result = program.run(arguments);
    EXPECT_EQ(result.status, 1);
    QStringList unreadableByCommand;
    for (const QByteArray& line : result.lines()) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.first() == "unreadable")
            unreadableByCommand << QString::fromUtf8(fields.at(1));
    }
    // The window's message adds, after its own text, where OCR is turned on and the file that
    // needs a password.
    UnreadableNotes notes;
    notes.suggestOcr = true;
    notes.protectedFiles << lockedPath + QStringLiteral(": password needed");
    EXPECT_EQ(unreadableFilesMessage(
                  unreadableByCommand.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), notes),
              message);
    // Each with its reason: a scan has no text at all, nine bytes of words are too little.
    EXPECT_EQ(result.out, ("readable\t" + listed[0] + "\nunreadable\t" + listed[1] +
                           "\tno text (OCR is off: try --ocr)\nunreadable\t" + listed[2] +
                           "\tunreadable\nunreadable\t" + listed[3] + "\tunreadable\nunreadable\t" +
                           listed[4] + "\ttoo little text\nunreadable\t" + listed[5] +
                           "\tpassword needed\nreadable\t" + listed[6] + "\n")
                              .toUtf8());

    // With its password, the protected document is readable.
    const QString passwordFile = files.filePath(QStringLiteral("password.txt"));
    plainFile(files, QStringLiteral("password.txt"), "opensesame\r\nsecond line\n");
    const ProgramResult opened =
        program.run({"check", "--password-file", arg(passwordFile), arg(lockedPath)});
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(opened.out, "readable\t" + arg(lockedPath) + "\n");
}

} // namespace

} // namespace corvander
