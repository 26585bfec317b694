// The command line's password, the words it gives for each cause, and its word on a format that
// names no field.
#include "tests/cli/contract_fixture.h"
#include "tests/extract/pdf_files.h"

namespace corvander {

namespace {

class PasswordsAndReasons : public ContractTest {
protected:
    QString encrypted(const QString& name, const QString& text, const QByteArray& user) {
        PdfDocument doc = pdfOfPages({text});
        doc.encryption = PdfEncryption{user, "owner key", -4};
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, doc));
        return path;
    }

    QByteArray passwordFile(const QByteArray& password) {
        const QString path = tools.filePath(QStringLiteral("password.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(password + "\n");
        return arg(path);
    }

    void emptyResults() {
        QDir(results.path()).removeRecursively();
        QDir().mkpath(results.path());
    }
};

// A mixed list: one document with only an owner password, one with a user password, one open.
// The password is tried only where it is needed, and one that does not open says so.
TEST_F(PasswordsAndReasons, APasswordIsTriedOnlyWhereNeededAndAWrongOneSaysSo) {
    const QByteArray restricted =
        arg(encrypted(QStringLiteral("restricted.pdf"), QStringLiteral("Restricted memo"), {}));
    const QByteArray locked =
        arg(encrypted(QStringLiteral("locked.pdf"), QStringLiteral("Locked contract"), "s3cret"));
    const QByteArray open = arg(pdf(QStringLiteral("open.pdf"), QStringLiteral("Open letter")));
    const QByteArray to = arg(results.path());

    const ProgramResult none = program.run({"check", restricted, locked, open});
    EXPECT_EQ(none.out, "readable\t" + restricted + "\nunreadable\t" + locked +
                            "\tpassword needed\nreadable\t" + open + "\n");
    const ProgramResult right =
        program.run({"check", "--password-file", passwordFile("s3cret"), restricted, locked, open});
    EXPECT_EQ(right.status, 0) << right.err.constData();
    EXPECT_EQ(right.out,
              "readable\t" + restricted + "\nreadable\t" + locked + "\nreadable\t" + open + "\n");
    const ProgramResult wrong =
        program.run({"check", "--password-file", passwordFile("guess"), restricted, locked, open});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "readable\t" + restricted + "\nunreadable\t" + locked +
                             "\twrong password\nreadable\t" + open + "\n");

    const ProgramResult renamedWrong =
        program.run({"rename", "--words", "2", "--password-file", passwordFile("guess"), "--to", to,
                     restricted, locked, open});
    EXPECT_EQ(renamedWrong.out, "copied\t" + restricted + "\tRestricted memo.pdf\nskipped\t" +
                                    locked + "\twrong password\ncopied\t" + open +
                                    "\tOpen letter.pdf\n");
    emptyResults();
    const ProgramResult renamedRight =
        program.run({"rename", "--words", "2", "--password-file", passwordFile("s3cret"), "--to",
                     to, restricted, locked, open});
    EXPECT_EQ(renamedRight.status, 0) << renamedRight.err.constData();
    EXPECT_EQ(renamedRight.out, "copied\t" + restricted + "\tRestricted memo.pdf\ncopied\t" +
                                    locked + "\tLocked contract.pdf\ncopied\t" + open +
                                    "\tOpen letter.pdf\n");
    // Rename by metadata reads the owner-only document's information with the password given.
    emptyResults();
    const ProgramResult byFormat = program.run({"rename", "--format", "%g", "--password-file",
                                                passwordFile("guess"), "--to", to, restricted});
    EXPECT_EQ(byFormat.out, "copied\t" + restricted + "\t1.pdf\n");
}

// A page past the last, a page without words, too few words, a little text: each its own words.
TEST_F(PasswordsAndReasons, EachCauseHasItsOwnReason) {
    const QDir files(sources.path());
    const QByteArray twoPages = arg(pdf_files::textPdf(
        files, QStringLiteral("two.pdf"), {QStringLiteral("First page words"), QString()}));
    const QByteArray shortOne = arg(pdf(QStringLiteral("short.pdf"), QStringLiteral("Hi")));
    const QByteArray to = arg(results.path());

    EXPECT_EQ(program.run({"rename", "--words", "2", "--page", "5", "--to", to, twoPages}).out,
              "skipped\t" + twoPages + "\tthe document has only 2 pages\n");
    EXPECT_EQ(program.run({"rename", "--words", "2", "--page", "2", "--to", to, twoPages}).out,
              "skipped\t" + twoPages + "\tno text on page 2\n");
    EXPECT_EQ(program.run({"rename", "--words", "5", "--to", to, shortOne}).out,
              "skipped\t" + shortOne + "\ttoo few words\n");
    EXPECT_EQ(program.run({"check", shortOne}).out,
              "unreadable\t" + shortOne + "\ttoo little text\n");
}

// The rule stands (a part that names no field adds nothing), and it is said once, on
// the standard error, before the files.
TEST_F(PasswordsAndReasons, AFormatThatNamesNoFieldIsSaidOnce) {
    PdfDocument doc = pdfOfPages({QStringLiteral("Body")});
    doc.info = {{QStringLiteral("Title"), QStringLiteral("Annual Report")},
                {QStringLiteral("Author"), QStringLiteral("Jane Roe")}};
    const QString a = sources.filePath(QStringLiteral("a.pdf"));
    const QString b = sources.filePath(QStringLiteral("b.pdf"));
    ASSERT_TRUE(writePdf(a, doc) && writePdf(b, doc));
    const QByteArray to = arg(results.path());
    for (const char* format : {"%a_%t", "%t, %a", "Invoice %t"}) {
        const ProgramResult result =
            program.run({"rename", "--format", format, "--to", to, arg(a), arg(b)});
        EXPECT_EQ(result.out, "skipped\t" + arg(a) + "\tempty name after cleaning\nskipped\t" +
                                  arg(b) + "\tempty name after cleaning\n")
            << format;
        const QByteArray said = "corvander: The format part \"" + QByteArray(format) +
                                "\" names no field and adds nothing to the name";
        EXPECT_EQ(result.err.count(said), 1) << result.err.constData();
        EXPECT_TRUE(result.err.contains("Literal text needs \"Rename by template\"."));
    }
    const ProgramResult fine = program.run({"rename", "--format", "%a - %t", "--to", to, arg(a)});
    EXPECT_EQ(fine.out, "copied\t" + arg(a) + "\tJane Roe - Annual Report.pdf\n");
    EXPECT_FALSE(fine.err.contains("names no field"));
}

} // namespace

} // namespace corvander
