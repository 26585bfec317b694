// The command line at its edges: the limit on workers, a mistyped command, a reader that goes
// away, and the bar while OCR reads a scan.
#include "extract/worker_count.h"
#include "tests/cli/contract_fixture.h"

#include <cstring>

namespace corvander {

namespace {

bool terminalAvailable() {
    const int probe = ::posix_openpt(O_RDWR | O_NOCTTY);
    const bool usable = probe >= 0 && ::grantpt(probe) == 0 && ::unlockpt(probe) == 0 &&
                        ::access(::ptsname(probe), F_OK) == 0;
    if (probe >= 0)
        ::close(probe);
    return usable;
}

QByteArray manPage() {
    QFile page(QStringLiteral(CORVANDER_MAN_PAGE));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

TEST_F(ContractTest, TheWorkerLimitIsRefusedAboveItAndStatedAlikeEverywhere) {
    const QByteArray file = arg(pdf(QStringLiteral("a.pdf"), QStringLiteral("Some words")));
    const QByteArray most = QByteArray::number(kMostWorkers);
    const QByteArray over = QByteArray::number(kMostWorkers + 1);
    for (const char* command : {"check", "learn"}) {
        SCOPED_TRACE(command);
        const ProgramResult refused = program.run(
            {command, "--jobs", over, std::strcmp(command, "learn") == 0 ? file + "=Some" : file});
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.err.contains("--jobs: " + over + " is more than " + most + " workers"))
            << refused.err.constData();
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(program.run({command, "--help"}).out.contains("1 to " + most));
    }
    const ProgramResult refused =
        program.run({"rename", "--words", "1", "--jobs", "100", "--to", arg(results.path()), file});
    EXPECT_EQ(refused.status, 2) << "the manual's limit, not a hundred";
    EXPECT_TRUE(QDir(results.path()).isEmpty());

    const ProgramResult most64 = program.run({"check", "--jobs", most, file});
    EXPECT_EQ(most64.status, 0) << most64.err.constData();
    EXPECT_EQ(most64.out, "readable\t" + file + "\n");

    const QByteArray page = manPage();
    ASSERT_FALSE(page.isEmpty());
    EXPECT_TRUE(page.contains("at most " + most)) << "--jobs";
    EXPECT_TRUE(page.contains("(1 to " + most + ")")) << "CORVANDER_WORKERS";
    EXPECT_FALSE(page.contains("@CORVANDER_MOST_WORKERS@"));
}

TEST_F(ContractTest, AMistypedCommandIsNamedWithTheNearestOneNotOpenedAsAFile) {
    const QByteArray file = arg(pdf(QStringLiteral("a.pdf"), QStringLiteral("Some words")));
    const struct {
        QList<QByteArray> arguments;
        QByteArray said;
    } cases[] = {
        {{"renmae", "--words", "1", "--to", arg(results.path()), file},
         "corvander: unknown command \"renmae\"; did you mean \"rename\"?\n"},
        {{"chekc", file}, "corvander: unknown command \"chekc\"; did you mean \"check\"?\n"},
        {{"Undo"}, "corvander: unknown command \"Undo\"; did you mean \"undo\"?\n"},
        {{"lern", "--json"}, "corvander: unknown command \"lern\"; did you mean \"learn\"?\n"},
        // Far from every command, but with an option only a command takes.
        {{"frobnicate", "--words", "2", file}, "corvander: unknown command \"frobnicate\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.first().toStdString());
        const ProgramResult result = program.run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, c.said + "Try \"corvander --help\".\n");
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_TRUE(QDir(results.path()).isEmpty());

    // A word that names a file, or is far from every command, is for the window: here, with no
    // display, the window says it cannot open.
    QFile named(sources.filePath(QStringLiteral("renmae")));
    ASSERT_TRUE(named.open(QIODevice::WriteOnly));
    named.close();
    for (const QList<QByteArray>& arguments :
         {QList<QByteArray>{"renmae"}, QList<QByteArray>{"frobnicate"}}) {
        const ProgramResult window = program.run(arguments, sources.path());
        EXPECT_FALSE(window.err.contains("unknown")) << window.err.constData();
        EXPECT_TRUE(window.err.contains("graphical session")) << window.err.constData();
    }
}

TEST_F(ContractTest, AReaderThatGoesAwayEndsTheCommandQuietlyAsSigpipeWould) {
    QList<QByteArray> files;
    for (const char* name : {"alpha", "beta", "gamma"})
        files << arg(pdf(QString::fromLatin1(name) + QStringLiteral(".pdf"),
                         QStringLiteral("Words of %1").arg(QString::fromLatin1(name))));

    const ProgramResult check = program.runIntoClosedPipe(QList<QByteArray>{"check"} + files);
    EXPECT_EQ(check.status, 141);
    EXPECT_EQ(check.err, QByteArray());

    const ProgramResult learn = program.runIntoClosedPipe({"learn", files.first() + "=Words"});
    EXPECT_EQ(learn.status, 141);
    EXPECT_EQ(learn.err, QByteArray());

    // The run ends after the file it told last, and its journal holds that copy for an undo.
    const ProgramResult rename = program.runIntoClosedPipe(
        QList<QByteArray>{"rename", "--words", "3", "--to", arg(results.path())} + files);
    EXPECT_EQ(rename.status, 141);
    EXPECT_EQ(rename.err, QByteArray());
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files), QStringList{"Words of alpha.pdf"});
    const ProgramResult undo = program.runIntoClosedPipe({"undo"});
    EXPECT_EQ(undo.status, 141);
    EXPECT_EQ(undo.err, QByteArray());
    EXPECT_TRUE(QDir(results.path()).entryList(QDir::Files).isEmpty()) << "the copy is undone";
}

TEST_F(ContractTest, TheBarCountsTheScannedPagesOfTheFileOcrReads) {
    if (!terminalAvailable())
        GTEST_SKIP() << "no terminal here";
    PdfDocument scanned;
    for (const char* text :
         {"First page of the minutes", "Second page of the minutes", "Third page of the minutes"}) {
        PdfDocument printed;
        printed.pages = {{QString::fromLatin1(text)}};
        const std::optional<PdfGreyImage> picture = renderedPage(printed, 1, 300);
        ASSERT_TRUE(picture) << "pdftoppm could not draw the page";
        addScannedPage(scanned, *picture, 300);
    }
    const QString path = sources.filePath(QStringLiteral("scans.pdf"));
    ASSERT_TRUE(writePdf(path, scanned));
    const QByteArray scan = arg(path);

    // One worker: the pages are read one after the other, and each shows. The check needs the
    // first page only.
    const ProgramResult checked = program.runOnTerminal({"check", "--ocr", "--jobs", "1", scan});
    EXPECT_EQ(checked.status, 0) << checked.err.constData();
    EXPECT_EQ(checked.out, "readable\t" + scan + "\n");
    EXPECT_TRUE(checked.err.contains("OCR page 1 of 3: scans.pdf")) << checked.err.constData();
    EXPECT_TRUE(checked.err.endsWith("\r\033[K")) << "the bar is taken off at the end";

    // More words than the scan holds: every page is read.
    const ProgramResult named =
        program.runOnTerminal({"rename", "--words", "40", "--dry-run", "--ocr", "--jobs", "1",
                               "--to", arg(results.path()), scan});
    EXPECT_EQ(named.out, "skipped\t" + scan + "\ttoo few words\n");
    for (const char* note : {"OCR page 1 of 3: scans.pdf", "OCR page 3 of 3: scans.pdf"})
        EXPECT_TRUE(named.err.contains(note)) << note << "\n" << named.err.constData();
}

} // namespace

} // namespace corvander
