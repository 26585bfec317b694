// Naming by example from the command line: `learn` writes the templates, `rename --like` learns
// and renames in one go, both the program itself over PDF files the tests write.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

const QStringList kRecipient = {QStringLiteral("Jane Roe Trading"),
                                QStringLiteral("4 Mill Lane, Leeds LS1 4AB")};

// Item lines vary in number, so that word positions shift from invoice to invoice.
QStringList items(int count) {
    return QStringList{
        QStringLiteral("Rope 20 m 45,00 EUR"), QStringLiteral("Anchor chain 3 m 120,00 EUR"),
        QStringLiteral("Shackle 4 pcs 18,00 EUR"), QStringLiteral("Fender 2 pcs 64,00 EUR")}
        .mid(0, count);
}

QStringList alder(int itemCount, const QString& number, const QString& date) {
    return kRecipient +
           QStringList{QStringLiteral("Alder & Finch SARL"), QStringLiteral("12 Harbour Road"),
                       QStringLiteral("Invoice")} +
           items(itemCount) +
           QStringList{QStringLiteral("Invoice No.: ") + number,
                       QStringLiteral("Invoice date: ") + date,
                       QStringLiteral("Thank you for your business")};
}

QStringList bolt(int itemCount, const QString& number, const QString& date) {
    return kRecipient +
           QStringList{QStringLiteral("Bolt GmbH"),
                       QStringLiteral("Industriestra\u00dfe 5, Berlin"), QStringLiteral("Rechnung"),
                       QStringLiteral("Rechnungsnummer: ") + number} +
           items(itemCount) + QStringList{QStringLiteral("Datum: ") + date};
}

// A kind with no example: the labels of Alder & Finch, another sender.
QStringList dune(const QString& number, const QString& date) {
    return kRecipient + QStringList{QStringLiteral("Dune Insurance Ltd"), QStringLiteral("Invoice"),
                                    QStringLiteral("Invoice No.: ") + number,
                                    QStringLiteral("Invoice date: ") + date};
}

const QByteArray kAlderName = "2024-05-07 Alder & Finch AF-7731";
const QByteArray kBoltName = "2024/12.03.2024 Bolt R-2024-118";

class Learning : public ::testing::Test {
protected:
    void SetUp() override {
        // The examples lie outside the folder that is renamed; "=" in a file's name is split
        // past, since no file stands before it.
        alderExample = write(examples, QStringLiteral("alder=1.pdf"),
                             alder(1, QStringLiteral("AF-7731"), QStringLiteral("07.05.2024")));
        boltExample = write(examples, QStringLiteral("bolt1.pdf"),
                            bolt(1, QStringLiteral("R-2024-118"), QStringLiteral("12.03.2024")));
        write(sources, QStringLiteral("alder2.pdf"),
              alder(3, QStringLiteral("AF-7790"), QStringLiteral("21.06.2024")));
        write(sources, QStringLiteral("alder3.pdf"),
              alder(2, QStringLiteral("AF-7802"), QStringLiteral("03.07.2024")));
        write(sources, QStringLiteral("bolt2.pdf"),
              bolt(4, QStringLiteral("R-2024-131"), QStringLiteral("03.04.2024")));
        write(sources, QStringLiteral("dune1.pdf"),
              dune(QStringLiteral("DI-5520"), QStringLiteral("02.04.2024")));
    }

    static QByteArray write(const QTemporaryDir& folder, const QString& name,
                            const QStringList& lines) {
        PdfDocument document;
        document.pages = {lines};
        const QString path = folder.filePath(name);
        EXPECT_TRUE(writePdf(path, document));
        return arg(path);
    }

    ProgramResult rename(const QList<QByteArray>& options, const QTemporaryDir& into) {
        return program.run(QList<QByteArray>{"rename"} << options << "--to" << arg(into.path())
                                                       << arg(sources.path()));
    }

    QTemporaryDir examples;
    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
    QByteArray alderExample;
    QByteArray boltExample;
};

// One example per sender: learn prints a template for each, rename --like names the other
// invoices of each sender as the example was named and skips the sender without an example, and
// the printed templates given to --template rename exactly alike.
TEST_F(Learning, OneExamplePerSenderNamesItsKindAndSkipsTheRest) {
    const ProgramResult learned =
        program.run({"learn", alderExample + '=' + kAlderName, boltExample + "=" + kBoltName});
    ASSERT_EQ(learned.status, 0) << learned.out.toStdString() << learned.err.toStdString();
    const QList<QByteArray> lines = learned.lines();
    ASSERT_EQ(lines.size(), 2);
    QList<QByteArray> templates;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QList<QByteArray> fields = lines.at(index).split('\t');
        ASSERT_EQ(fields.size(), 3) << lines.at(index).data();
        EXPECT_EQ(fields.at(0), "learned");
        EXPECT_EQ(fields.at(1), index == 0 ? alderExample : boltExample);
        EXPECT_TRUE(fields.at(2).startsWith("{if \"")) << fields.at(2).data();
        // Word positions shift from invoice to invoice.
        EXPECT_FALSE(fields.at(2).contains("{words") || fields.at(2).contains("{zone"))
            << fields.at(2).data();
        templates << fields.at(2);
    }

    const QByteArray folder = arg(sources.path());
    const ProgramResult like = rename({"--like", alderExample + '=' + kAlderName + ".pdf", "--like",
                                       boltExample + '=' + kBoltName},
                                      results);
    EXPECT_EQ(like.status, 1) << like.err.toStdString();
    const QList<QByteArray> named = like.lines();
    ASSERT_EQ(named.size(), 4) << like.out.toStdString();
    EXPECT_EQ(named.at(0),
              "copied\t" + folder + "/alder2.pdf\t2024-06-21 Alder & Finch AF-7790.pdf");
    EXPECT_EQ(named.at(1),
              "copied\t" + folder + "/alder3.pdf\t2024-07-03 Alder & Finch AF-7802.pdf");
    EXPECT_EQ(named.at(2), "copied\t" + folder + "/bolt2.pdf\t2024/03.04.2024 Bolt R-2024-131.pdf");
    EXPECT_TRUE(named.at(3).startsWith("skipped\t" + folder + "/dune1.pdf\tno value for {if \""))
        << named.at(3).data();
    EXPECT_TRUE(
        QFile::exists(results.filePath(QStringLiteral("2024/03.04.2024 Bolt R-2024-131.pdf"))));

    QTemporaryDir byTemplate;
    const ProgramResult given =
        rename({"--template", templates.at(0), "--template", templates.at(1)}, byTemplate);
    EXPECT_EQ(given.status, like.status);
    EXPECT_EQ(given.out, like.out);

    const ProgramResult json = program.run({"learn", "--json", alderExample + '=' + kAlderName});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.startsWith(R"({"result":"learned","source":")" + alderExample +
                                    R"(","template":"{if \")"))
        << json.out.toStdString();
}

// An example that cannot be learned says which part and why, or why its file could not be read;
// learn goes on with the others and tells by its status, rename --like copies nothing.
TEST_F(Learning, WhatCannotBeLearnedSaysWhy) {
    const QString damaged = examples.filePath(QStringLiteral("damaged.pdf"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\nnot a document at all\n");
    file.close();
    const QByteArray wrongNumber = alderExample + "=2024-05-07 AF-9999";
    const QByteArray wrongDate = alderExample + "=2023-01-15 AF-7731";

    const ProgramResult learned = program.run(
        {"learn", wrongNumber, boltExample + '=' + kBoltName, wrongDate, arg(damaged) + "=Name"});
    EXPECT_EQ(learned.status, 1) << learned.err.toStdString();
    const QList<QByteArray> lines = learned.lines();
    ASSERT_EQ(lines.size(), 4) << learned.out.toStdString();
    EXPECT_EQ(lines.at(0),
              "unlearned\t" + alderExample + "\tthe part \"AF-9999\" is not in the document");
    EXPECT_TRUE(lines.at(1).startsWith("learned\t" + boltExample + "\t{if ")) << lines.at(1).data();
    EXPECT_EQ(lines.at(2), "unlearned\t" + alderExample +
                               "\tthe date 2023-01-15 is not in the document in any form");
    EXPECT_EQ(lines.at(3), "unlearned\t" + arg(damaged) + "\tunreadable");

    const ProgramResult like =
        rename({"--like", boltExample + '=' + kBoltName, "--like", wrongNumber}, results);
    EXPECT_EQ(like.status, 2);
    EXPECT_TRUE(like.out.isEmpty()) << like.out.toStdString();
    EXPECT_TRUE(like.err.contains("--like " + wrongNumber +
                                  ": the part \"AF-9999\" is not in the document"))
        << like.err.toStdString();
    EXPECT_TRUE(QDir(results.path()).isEmpty());
}

TEST_F(Learning, MistakesAreUsageErrors) {
    const QByteArray example = alderExample + '=' + kAlderName;
    const QByteArray missing = arg(examples.filePath(QStringLiteral("missing.pdf"))) + "=Name";
    const QByteArray to = arg(results.path());
    const QByteArray from = arg(sources.path());
    const struct {
        QList<QByteArray> arguments;
        QByteArray said;
    } cases[] = {
        {{"learn"}, "no FILE=NAME given"},
        {{"learn", missing}, "no existing file before an \"=\""},
        {{"learn", alderExample}, "no existing file before an \"=\""},
        {{"learn", arg(examples.path()) + "=Name"}, "no existing file before an \"=\""},
        {{"learn", "--to", to, example}, "--to belongs to rename, not to learn"},
        {{"learn", "--date-order", "ydm", example}, "--date-order"},
        {{"learn", example, alderExample + "=\xff"}, "the name is not valid UTF-8"},
        {{"rename", "--like", missing, "--to", to, from}, "no existing file before"},
        {{"rename", "--like", example, "--template", "{words 1}", "--to", to, from},
         "two families at once: --template and --like"},
        {{"rename", "--like", example, "--words", "2", "--to", to, from},
         "two families at once: --words and --like"},
        {{"rename", "--like", example, "--to", to}, "no PATH given"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramResult result = program.run(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(c.said)) << result.err.toStdString();
        EXPECT_TRUE(QDir(results.path()).isEmpty());
    }
}

} // namespace

} // namespace corvander
