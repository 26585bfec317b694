// The command line's contract with scripts: its exit statuses, its usage errors, the folder walk,
// the escaping of odd names, and where its progress goes.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/scanned_pages.h"

#include "tests/cli/contract_fixture.h"
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace corvander {

namespace {

TEST_F(ContractTest, UsageErrorsNameTheProblemAndEndWithStatusTwo) {
    const QByteArray to = arg(results.path());
    const QByteArray file = arg(pdf(QStringLiteral("a.pdf"), QStringLiteral("Some words here")));
    const QByteArray notFolder = file;
    const struct {
        QList<QByteArray> arguments;
        QByteArray problem;
    } cases[] = {
        {{"rename", "--page", "2", "--to", to, file}, "--page needs --words X"},
        {{"rename", "--words", "3", "--format", "%t", "--to", to, file},
         "two families at once: --words and --format"},
        {{"rename", "--after", "x", "--before", "y", "--words", "1", "--to", to, file},
         "two families at once: --after and --before"},
        {{"rename", "--word-numbers", "1,2", "--words", "3", "--to", to, file},
         "two families at once: --words and --word-numbers"},
        {{"rename", "--after", "x", "--to", to, file}, "--after needs --words N"},
        {{"rename", "--to", to, file}, "no FAMILY given"},
        {{"rename", "--words", "3", file}, "--to DIR is missing"},
        {{"rename", "--words", "3", "--to", notFolder, file}, "is not a folder"},
        {{"rename", "--words", "3", "--to", to}, "no PATH given"},
        {{"rename", "--words", "2.5", "--to", to, file}, "--words: \"2.5\" is not a whole number"},
        {{"rename", "--words", "0x10", "--to", to, file}, "is not a whole number"},
        {{"rename", "--words", "3", "--page", "first", "--to", to, file},
         "--page: \"first\" is not a whole number"},
        {{"rename", "--word-numbers", "10,x", "--to", to, file}, "--word-numbers"},
        {{"rename", "--words", "99999999999", "--to", to, file}, "out of range"},
        {{"rename", "--words", "3", "--words", "4", "--to", to, file}, "--words is given twice"},
        {{"rename", "--words", "--to", to, file}, "--words: \"--to\" is not a whole number"},
        {{"rename", "--words", "3", "--to", to, "--bogus", file}, "unknown option --bogus"},
        {{"rename", "--words", "3", "--to", to, "--jobs", "0", file}, "--jobs"},
        {{"rename", "--words", "3", "--to", to, "--ocr", "--ocr-languages", "xyz", file},
         "--ocr-languages: the language xyz is not installed"},
        {{"rename", "--words", "3", "--to", to, "--ocr-languages", "eng+qqq", file},
         "--ocr-languages: the language qqq is not installed"},
        {{"rename", "--words", "3", "--to", to, "--ocr-languages", "eng++deu", file},
         "--ocr-languages: \"eng++deu\" is not a list of languages"},
        {{"rename", "--words", "3", "--to", to, "--password-file", "/nonexistent/pw", file},
         "--password-file: cannot read /nonexistent/pw"},
        {{"check", "--to", to, file}, "--to belongs to rename"},
        {{"check", "--dry-run", file}, "--dry-run belongs to rename"},
        {{"check"}, "no PATH given"},
        {{"check", "--ocr-languages", "xyz", file},
         "--ocr-languages: the language xyz is not installed"},
        {{"check", "--ocr-languages=", file}, "is not a list of languages"},
        {{"check", "--json=yes", file}, "--json takes no value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramResult result = program.run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(c.problem)) << result.err.constData();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_TRUE(QDir(results.path()).isEmpty()) << "no usage error copies anything";
}

TEST_F(ContractTest, OcrIsTakenWithInstalledLanguagesAndChangesNothingForTextDocuments) {
    const QByteArray file = arg(pdf(QStringLiteral("a.pdf"), QStringLiteral("Some words here")));
    const QByteArray to = arg(results.path());
    for (const QList<QByteArray>& ocr :
         {QList<QByteArray>{"--ocr"}, QList<QByteArray>{"--ocr-languages", "eng"},
          QList<QByteArray>{"--ocr", "--ocr-languages=eng"}}) {
        SCOPED_TRACE(ocr.join(' ').toStdString());
        const ProgramResult check = program.run(QList<QByteArray>{"check"} + ocr + QList{file});
        EXPECT_EQ(check.status, 0) << check.err.constData();
        EXPECT_EQ(check.out, "readable\t" + file + "\n");
        const ProgramResult rename =
            program.run(QList<QByteArray>{"rename", "--words", "2", "--dry-run", "--to", to} + ocr +
                        QList{file});
        EXPECT_EQ(rename.status, 0) << rename.err.constData();
        EXPECT_EQ(rename.out, "would-copy\t" + file + "\tSome words.pdf\n");
    }
}

TEST_F(ContractTest, AScanIsNamedAndReadableByOcrOnlyWithOcr) {
    PdfDocument printed;
    printed.pages = {{QStringLiteral("Minutes of the Harbour Board meeting")}};
    const std::optional<PdfGreyImage> picture = renderedPage(printed, 1, 300);
    ASSERT_TRUE(picture) << "pdftoppm could not draw the page";
    PdfDocument scanned;
    addScannedPage(scanned, *picture, 300);
    const QString path = sources.filePath(QStringLiteral("scan0001.pdf"));
    ASSERT_TRUE(writePdf(path, scanned));
    const QByteArray scan = arg(path);
    const QByteArray to = arg(results.path());

    const ProgramResult without = program.run({"rename", "--words", "3", "--to", to, scan});
    EXPECT_EQ(without.status, 1);
    // One cause, one reason, in the check and in the rename; with OCR off it says where OCR is.
    EXPECT_EQ(without.out, "skipped\t" + scan + "\tno text (OCR is off: try --ocr)\n");
    EXPECT_EQ(program.run({"check", scan}).out,
              "unreadable\t" + scan + "\tno text (OCR is off: try --ocr)\n");

    EXPECT_EQ(program.run({"check", "--ocr", scan}).out, "readable\t" + scan + "\n");
    const ProgramResult with = program.run({"rename", "--words", "3", "--ocr", "--to", to, scan});
    EXPECT_EQ(with.status, 0) << with.err.constData();
    EXPECT_EQ(with.out, "copied\t" + scan + "\tMinutes of the.pdf\n");
    EXPECT_TRUE(QFile::exists(results.filePath(QStringLiteral("Minutes of the.pdf"))));
}

TEST_F(ContractTest, ExitStatusesForDoneSkippedFailedAndNothingStarted) {
    const QByteArray good = arg(pdf(QStringLiteral("good.pdf"), QStringLiteral("Good words")));
    const QString broken = sources.filePath(QStringLiteral("broken.pdf"));
    QFile brokenFile(broken);
    ASSERT_TRUE(brokenFile.open(QIODevice::WriteOnly) && brokenFile.write("not a PDF\n") > 0);
    brokenFile.close();
    const QByteArray scan = arg(broken);
    const QByteArray to = arg(results.path());

    EXPECT_EQ(program.run({"rename", "--words", "1", "--to", to, good}).status, 0);
    EXPECT_EQ(program.run({"check", good}).status, 0);
    const ProgramResult skipped = program.run({"rename", "--words", "1", "--to", to, good, scan});
    EXPECT_EQ(skipped.status, 1);
    EXPECT_EQ(skipped.lines().last(), "skipped\t" + scan + "\tunreadable");
    EXPECT_EQ(program.run({"check", good, scan}).status, 1);

    // A folder that takes no file at all.
    const ProgramResult failed = program.run({"rename", "--words", "1", "--to", "/proc", good});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.startsWith("failed\t" + good + "\t")) << failed.out.constData();
    EXPECT_TRUE(failed.out.endsWith(": No such file or directory\n")) << failed.out.constData();

    const ProgramResult noFolder = program.run(
        {"rename", "--words", "1", "--to", arg(results.filePath(QStringLiteral("missing"))), good});
    EXPECT_EQ(noFolder.status, 3);
    EXPECT_TRUE(noFolder.err.contains("missing does not exist")) << noFolder.err.constData();
    EXPECT_TRUE(noFolder.out.isEmpty());

    program.program = programCopy();
    for (const QByteArray& command : {QByteArray("rename"), QByteArray("check")}) {
        QList<QByteArray> arguments{command, good};
        if (command == "rename")
            arguments = {command, "--words", "1", "--to", to, good};
        const ProgramResult noWorker = program.run(arguments);
        EXPECT_EQ(noWorker.status, 3);
        EXPECT_TRUE(noWorker.err.contains("corvander-extract")) << noWorker.err.constData();
        EXPECT_TRUE(noWorker.out.isEmpty());
    }
}

TEST_F(ContractTest, AWorkerThatCannotStartIsNamedWithStatusThree) {
    program.program = programCopy("not a program at all\n");
    const QByteArray good = arg(pdf(QStringLiteral("good.pdf"), QStringLiteral("Good words")));
    const ProgramResult result =
        program.run({"rename", "--words", "1", "--to", arg(results.path()), good, good, good});
    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(result.err.contains(arg(tools.filePath(QStringLiteral("corvander-extract")))))
        << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty()) << result.out.constData();
    EXPECT_TRUE(QDir(results.path()).isEmpty());
}

TEST_F(ContractTest, FoldersAreWalkedAsTheWindowWalksThemAndNamedFilesAlwaysTaken) {
    pdf(QStringLiteral("in/b.pdf"), QStringLiteral("Bravo"));
    pdf(QStringLiteral("in/A.PDF"), QStringLiteral("Alpha"));
    pdf(QStringLiteral("in/.hidden.pdf"), QStringLiteral("Hidden"));
    pdf(QStringLiteral("in/~lock.pdf"), QStringLiteral("Lock"));
    pdf(QStringLiteral("in/sub/deeper/d.pdf"), QStringLiteral("Delta words here"));
    pdf(QStringLiteral("in/sub/c.pdf"), QStringLiteral("Charlie words here"));
    pdf(QStringLiteral("in/zz/e.pdf"), QStringLiteral("Echo words here"));
    pdf(QStringLiteral("in/notes.txt"), QStringLiteral("Notes"));
    const ProgramResult result =
        program.run({"rename", "--words", "1", "--dry-run", "--to", arg(results.path()), "in",
                     "in/.hidden.pdf", "in/~lock.pdf"},
                    sources.path());
    EXPECT_EQ(result.status, 0) << result.err.constData();
    EXPECT_EQ(result.out, "would-copy\tin/A.PDF\tAlpha.pdf\n"
                          "would-copy\tin/b.pdf\tBravo.pdf\n"
                          "would-copy\tin/sub/c.pdf\tCharlie.pdf\n"
                          "would-copy\tin/zz/e.pdf\tEcho.pdf\n"
                          "would-copy\tin/sub/deeper/d.pdf\tDelta.pdf\n"
                          "would-copy\tin/.hidden.pdf\tHidden.pdf\n"
                          "would-copy\tin/~lock.pdf\tLock.pdf\n");
    EXPECT_EQ(program.run({"check", "--extension", "txt", "in/"}, sources.path()).out,
              "readable\tin/notes.txt\n");
    EXPECT_EQ(program.run({"check", "--extension", "*", "in/zz", "in/sub"}, sources.path()).out,
              "readable\tin/zz/e.pdf\nreadable\tin/sub/c.pdf\nreadable\tin/sub/deeper/d.pdf\n");
}

TEST_F(ContractTest, OddBytesInPathsAreEscaped) {
    pdf(QStringLiteral("in/tab\there.pdf"), QStringLiteral("Tabbed"));
    pdf(QStringLiteral("in/line\nfeed.pdf"), QStringLiteral("Fed"));
    pdf(QStringLiteral("in/back\\slash.pdf"), QStringLiteral("Slashed"));
    // A name that is not UTF-8: the walk leaves it out and says so, on its line and on standard
    // error; named, it is listed.
    const QByteArray latin1 = QFile::encodeName(sources.path()) + "/in/caf\xe9.pdf";
    const int descriptor = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(descriptor, 0);
    ::close(descriptor);
    // Qt cannot name it to remove it with its folder.
    const std::unique_ptr<const char, void (*)(const char*)> removal(
        latin1.constData(), [](const char* path) { ::unlink(path); });

    const ProgramResult tsv =
        program.run({"rename", "--words", "1", "--to", arg(results.path()), "in", "in/caf\xe9.pdf"},
                    sources.path());
    EXPECT_EQ(tsv.status, 1);
    EXPECT_EQ(tsv.out, "copied\tin/back\\\\slash.pdf\tSlashed.pdf\n"
                       "skipped\tin/caf\\xe9.pdf\tthe name is not valid UTF-8\n"
                       "copied\tin/line\\nfeed.pdf\tFed.pdf\n"
                       "copied\tin/tab\\there.pdf\tTabbed.pdf\n"
                       "skipped\tin/caf\\xe9.pdf\tthe name is not valid UTF-8\n");
    EXPECT_TRUE(tsv.err.contains("left out in/caf\\xe9.pdf: the name is not valid UTF-8"))
        << tsv.err.constData();

    const ProgramResult json =
        program.run({"check", "--json", "in/tab\there.pdf", "in/line\nfeed.pdf", "in/caf\xe9.pdf"},
                    sources.path());
    const QList<QByteArray> lines = json.lines();
    ASSERT_EQ(lines.size(), 3) << json.out.constData();
    EXPECT_EQ(lines.at(0), R"({"result":"readable","source":"in/tab\there.pdf"})");
    const QStringList expected{"in/tab\there.pdf", "in/line\nfeed.pdf", "in/caf\\xe9.pdf"};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject line = QJsonDocument::fromJson(lines.at(i)).object();
        EXPECT_EQ(line.value(QStringLiteral("source")).toString(), expected.at(i));
    }
    EXPECT_EQ(QJsonDocument::fromJson(lines.at(2)).object().value(QStringLiteral("reason")),
              QStringLiteral("the name is not valid UTF-8"));
}

} // namespace

} // namespace corvander
