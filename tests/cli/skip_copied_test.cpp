// --skip-copied: a file whose identical copy already stands in the results folder is not copied
// again, whether an earlier run made that copy or it was put there otherwise.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace corvander {

namespace {

class SkipCopied : public ::testing::Test {
protected:
    QString pdf(const QString& name, const QString& text) {
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, pdfOfPages({text})));
        return path;
    }

    ProgramResult rename(bool skipCopied) {
        QList<QByteArray> arguments{"rename", "--words", "2", "--to", arg(results.path())};
        if (skipCopied)
            arguments << "--skip-copied";
        return program.run(arguments << arg(sources.path()));
    }

    QStringList resultNames() const {
        return QDir(results.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QByteArray line(const char* result, const char* source, const QString& last) const {
        return QByteArray(result) + '\t' + arg(sources.filePath(QString::fromLatin1(source))) +
               '\t' + arg(last);
    }

    // Every line of every journal the program kept.
    QByteArray journals() const {
        QByteArray all;
        QDirIterator files(program.stateFolder() + QStringLiteral("/corvander"), QDir::Files);
        while (files.hasNext())
            all += fileBytes(files.next());
        return all;
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
};

TEST_F(SkipCopied, ASecondRunCopiesOnlyWhatIsNotThereAsItWas) {
    pdf(QStringLiteral("a.pdf"), QStringLiteral("Annual report 2021"));
    pdf(QStringLiteral("b.pdf"), QStringLiteral("Budget plan"));
    pdf(QStringLiteral("c.pdf"), QStringLiteral("Contract draft"));
    ASSERT_EQ(rename(false).status, 0);
    const QStringList first{"Annual report.pdf", "Budget plan.pdf", "Contract draft.pdf"};
    ASSERT_EQ(resultNames(), first);

    // Everything is there: nothing is copied, each line names the copy, and all counts as done.
    const ProgramResult again = rename(true);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(
        again.lines(),
        (QList<QByteArray>{line("skipped", "a.pdf", "already copied as Annual report.pdf"),
                           line("skipped", "b.pdf", "already copied as Budget plan.pdf"),
                           line("skipped", "c.pdf", "already copied as Contract draft.pdf")}));
    EXPECT_EQ(resultNames(), first);
    EXPECT_TRUE(journals().contains("\"skipReason\":\"already copied as Budget plan.pdf\""))
        << "the journal records the skip";

    // A copy changed since, a copy removed since and a source changed since are copied again;
    // a copy put there by hand under another name counts as well.
    QFile changed(results.filePath(QStringLiteral("Budget plan.pdf")));
    ASSERT_TRUE(changed.open(QIODevice::Append) && changed.write("\n% edited\n") > 0);
    changed.close();
    ASSERT_TRUE(QFile::remove(results.filePath(QStringLiteral("Contract draft.pdf"))));
    pdf(QStringLiteral("a.pdf"), QStringLiteral("Annual report 2022"));
    pdf(QStringLiteral("d.pdf"), QStringLiteral("Delivery note"));
    ASSERT_TRUE(QFile::copy(sources.filePath(QStringLiteral("d.pdf")),
                            results.filePath(QStringLiteral("scan0001.pdf"))));
    const ProgramResult third = rename(true);
    EXPECT_EQ(third.status, 0);
    EXPECT_EQ(third.lines(),
              (QList<QByteArray>{line("copied", "a.pdf", QStringLiteral("Annual report!.pdf")),
                                 line("copied", "b.pdf", QStringLiteral("Budget plan!.pdf")),
                                 line("copied", "c.pdf", QStringLiteral("Contract draft.pdf")),
                                 line("skipped", "d.pdf", "already copied as scan0001.pdf")}));

    // Two listed files with the same bytes: the second is the first's copy.
    ASSERT_TRUE(QFile::copy(sources.filePath(QStringLiteral("b.pdf")),
                            sources.filePath(QStringLiteral("e.pdf"))));
    ASSERT_TRUE(QFile::remove(results.filePath(QStringLiteral("Budget plan!.pdf"))));
    const QList<QByteArray> fourth = rename(true).lines();
    ASSERT_EQ(fourth.size(), 5);
    EXPECT_EQ(fourth.at(1), line("copied", "b.pdf", QStringLiteral("Budget plan!.pdf")));
    EXPECT_EQ(fourth.at(4), line("skipped", "e.pdf", "already copied as Budget plan!.pdf"));
}

TEST_F(SkipCopied, WithoutTheOptionEveryRunCopiesEveryFile) {
    pdf(QStringLiteral("a.pdf"), QStringLiteral("Annual report 2021"));
    ASSERT_EQ(rename(false).status, 0);
    const ProgramResult again = rename(false);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.lines(), QList<QByteArray>{line("copied", "a.pdf", "Annual report!.pdf")});
    // A dry run with the option tells the same as a real one, and copies nothing.
    const ProgramResult dry = program.run({"rename", "--words", "2", "--to", arg(results.path()),
                                           "--skip-copied", "--dry-run", arg(sources.path())});
    EXPECT_EQ(dry.lines(),
              QList<QByteArray>{line("skipped", "a.pdf", "already copied as Annual report.pdf")});
    EXPECT_EQ(resultNames(), (QStringList{"Annual report!.pdf", "Annual report.pdf"}));
}

} // namespace

} // namespace corvander
