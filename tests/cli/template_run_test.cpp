// Rename by template from the command line: the program itself over PDF files the tests write.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

class TemplateRun : public ::testing::Test {
protected:
    QString pdf(const QString& name, const QStringList& lines,
                const QMap<QString, QString>& info = {}) {
        PdfDocument document;
        document.pages = {lines};
        document.info = info;
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, document));
        return path;
    }

    ProgramResult rename(const QList<QByteArray>& options, const QString& path = {}) {
        return program.run(QList<QByteArray>{"rename"}
                           << options << "--to" << arg(results.path())
                           << arg(path.isEmpty() ? sources.path() : path));
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
};

const QByteArray kAlder = R"({if "Alder"}{date after "Invoice date:"} Alder & Finch )"
                          R"({after "Invoice No.:" 1})";
const QByteArray kBolt = R"(Bolt/{date after "Datum:" "%Y"}/{after "Nr." 1})";

TEST_F(TemplateRun, TheFirstTemplateThatFitsNamesEachFileIntoItsFolders) {
    pdf(QStringLiteral("a.pdf"),
        {QStringLiteral("Alder & Finch Ltd"), QStringLiteral("Invoice No.: AF-7731"),
         QStringLiteral("Invoice date: 07.05.2024")});
    pdf(QStringLiteral("b.pdf"), {QStringLiteral("Bolt GmbH"), QStringLiteral("Rechnung Nr. BG-12"),
                                  QStringLiteral("Datum: 12. M\u00e4rz 2024")});
    pdf(QStringLiteral("c.pdf"), {QStringLiteral("Nothing to go by")});
    const QByteArray folder = arg(sources.path());

    const ProgramResult run = rename({"--template", kAlder, "--template", kBolt});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_EQ(run.out, "copied\t" + folder + "/a.pdf\t2024-05-07 Alder & Finch AF-7731.pdf\n" +
                           "copied\t" + folder + "/b.pdf\tBolt/2024/BG-12.pdf\n" + "skipped\t" +
                           folder + "/c.pdf\tno value for {if \"Alder\"}\n");
    EXPECT_TRUE(QFile::exists(results.filePath(QStringLiteral("Bolt/2024/BG-12.pdf"))));

    // Again: the names are taken, so each copy gets its "!" in its own folder.
    const ProgramResult again = rename({"--template", kAlder, "--template", kBolt, "--json"});
    const QList<QByteArray> lines = again.lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(1).contains(R"("name":"Bolt/2024/BG-12!.pdf")")) << lines.at(1).data();
    // Each field says what it found and where.
    EXPECT_TRUE(lines.at(0).contains(R"("field":"{after \"Invoice No.:\" 1}","value":"AF-7731")"))
        << lines.at(0).data();
    EXPECT_TRUE(lines.at(2).contains(R"("reason":"no value for {if \"Alder\"}")"));
}

TEST_F(TemplateRun, MistakesAreUsageErrorsNamingTheFieldAndPlace) {
    pdf(QStringLiteral("a.pdf"), {QStringLiteral("Some text")});
    const struct {
        QList<QByteArray> options;
        QByteArray said;
    } cases[] = {
        {{"--template", "x {wrods 1-2}"}, "character 4"},
        {{"--template", "{words 1"}, "--template"},
        {{"--template", "{words 1}", "--date-order", "ydm"}, "--date-order"},
        {{"--words", "2", "--date-order", "dmy"}, "--date-order goes with --template"},
        {{"--template", "{words 1}", "--words", "2"}, "two families at once"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const ProgramResult result = rename(c.options);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(c.said)) << result.err.toStdString();
        EXPECT_TRUE(QDir(results.path()).isEmpty());
    }
}

TEST_F(TemplateRun, TheDateOrderDecidesAnAmbiguousDate) {
    pdf(QStringLiteral("a.pdf"), {QStringLiteral("Dated 03/04/2024")});
    for (const auto& [order, name] :
         {std::pair{"mdy", "2024-03-04.pdf"}, std::pair{"dmy", "2024-04-03.pdf"}}) {
        const ProgramResult run =
            rename({"--template", "{date}", "--date-order", order, "--dry-run"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.endsWith(QByteArray("\t") + name + "\n")) << run.out.toStdString();
    }
}

// A name too long for the file system is cut to fit with its "!" marks, whatever made it.
TEST_F(TemplateRun, LongNamesAreCutToFitInEveryFamily) {
    const QString word = QString(60, QChar(0x00e9));
    QStringList words;
    for (int i = 0; i < 8; ++i)
        words << word;
    // One word a line: a line that long would run off the page.
    pdf(QStringLiteral("a.pdf"), words, {{QStringLiteral("Title"), words.join(QLatin1Char(' '))}});
    const QList<QList<QByteArray>> families = {
        {"--words", "5"}, {"--format", "%t"}, {"--template", "{title}"}};
    for (const QList<QByteArray>& family : families) {
        SCOPED_TRACE(family.join(' ').toStdString());
        for (const char* marks : {"", "!", "!!"}) {
            const ProgramResult run = rename(family);
            ASSERT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
            const QByteArray name = run.out.split('\t').last().trimmed();
            EXPECT_LE(name.size(), 255);
            EXPECT_GE(name.size(), 253) << "cut only as far as it must be";
            EXPECT_TRUE(name.endsWith(QByteArray(marks) + ".pdf")) << name.data();
            EXPECT_TRUE(QString::fromUtf8(name).startsWith(word)) << "cut between characters";
            EXPECT_TRUE(QFile::exists(results.filePath(QString::fromUtf8(name))));
        }
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
    }
}

// A template's folder that is a link leads nowhere outside the results folder.
TEST_F(TemplateRun, AFolderThatIsALinkTakesNoCopy) {
    pdf(QStringLiteral("a.pdf"), {QStringLiteral("Bolt GmbH"), QStringLiteral("Rechnung Nr. BG-12"),
                                  QStringLiteral("Datum: 12.03.2024")});
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), results.filePath(QStringLiteral("Bolt"))));
    const ProgramResult run = rename({"--template", kBolt});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.startsWith("failed\t")) << run.out.toStdString();
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

} // namespace

} // namespace corvander
