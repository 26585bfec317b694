// What a dry run prints is what the run then does, and processes side by side never replace a
// copy.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/process_probe.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QSet>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvander {

namespace {

class RunTest : public ::testing::Test {
protected:
    QString pdf(const QString& name, const QString& text) {
        const QString path = sources.filePath(name);
        EXPECT_TRUE(writePdf(path, pdfOfPages({text})));
        return path;
    }

    QStringList resultEntries() const {
        return QDir(results.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
};

TEST_F(RunTest, DryRunPrintsWhatTheRunThenDoes) {
    pdf(QStringLiteral("a.pdf"), QStringLiteral("Annual report 2021"));
    pdf(QStringLiteral("b.pdf"), QStringLiteral("Annual report 2022"));
    pdf(QStringLiteral("c.pdf"), QStringLiteral("Budget plan"));
    QFile broken(sources.filePath(QStringLiteral("d.pdf")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a PDF\n") > 0);
    broken.close();
    QFile taken(results.filePath(QStringLiteral("Annual report.pdf")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    const QList<QByteArray> arguments{"rename", "--words",           "2",
                                      "--to",   arg(results.path()), arg(sources.path())};

    const ProgramResult dry = program.run(QList<QByteArray>(arguments) << "--dry-run");
    EXPECT_EQ(dry.status, 1) << "d.pdf would be skipped";
    EXPECT_EQ(resultEntries(), QStringList{"Annual report.pdf"}) << "a dry run copies nothing";
    const QByteArray folder = arg(sources.path());
    EXPECT_EQ(dry.out, "would-copy\t" + folder + "/a.pdf\tAnnual report!.pdf\n" + "would-copy\t" +
                           folder + "/b.pdf\tAnnual report!!.pdf\n" + "would-copy\t" + folder +
                           "/c.pdf\tBudget plan.pdf\n" + "skipped\t" + folder +
                           "/d.pdf\tunreadable\n");

    const ProgramResult real = program.run(arguments);
    EXPECT_EQ(real.status, 1);
    EXPECT_EQ(real.out, QByteArray(dry.out).replace("would-copy", "copied"));
    EXPECT_EQ(resultEntries(), (QStringList{"Annual report!!.pdf", "Annual report!.pdf",
                                            "Annual report.pdf", "Budget plan.pdf"}));
    EXPECT_EQ(fileBytes(results.filePath(QStringLiteral("Annual report!!.pdf"))),
              fileBytes(sources.filePath(QStringLiteral("b.pdf"))));

    // Everything copied: status 0, with and without --dry-run.
    const QList<QByteArray> one{
        "rename", "--words",           "1",
        "--to",   arg(results.path()), arg(sources.filePath(QStringLiteral("c.pdf")))};
    EXPECT_EQ(program.run(QList<QByteArray>(one) << "--dry-run").status, 0);
    EXPECT_EQ(program.run(one).status, 0);
}

TEST_F(RunTest, FourProcessesIntoOneFolderNeverShareOrBreakACopy) {
    // Half the files share their name words, so the processes race for the same names.
    constexpr int kFiles = 16;
    QMap<QByteArray, QByteArray> sourceBytes;
    for (int i = 0; i < kFiles; ++i) {
        const QString text = i % 2 ? QStringLiteral("Shared title words %1").arg(i)
                                   : QStringLiteral("Document number %1 of the batch").arg(i);
        const QString path =
            pdf(QStringLiteral("file%1.pdf").arg(i, 2, 10, QLatin1Char('0')), text);
        sourceBytes.insert(arg(path), fileBytes(path));
    }
    const QList<QByteArray> arguments{
        "rename", "--words", "3", "--jobs", "1", "--to", arg(results.path()), arg(sources.path())};
    QList<pid_t> started;
    for (int i = 0; i < 4; ++i)
        started << program.start(arguments);
    QSet<QByteArray> names;
    int copiedLines = 0;
    for (const pid_t process : started) {
        const ProgramResult result = program.finish(process);
        EXPECT_EQ(result.status, 0) << result.err.constData();
        for (const QByteArray& line : result.lines()) {
            const QList<QByteArray> fields = line.split('\t');
            ASSERT_EQ(fields.size(), 3) << line.constData();
            EXPECT_EQ(fields.at(0), "copied");
            ++copiedLines;
            EXPECT_FALSE(names.contains(fields.at(2)))
                << "name used twice: " << fields.at(2).constData();
            names.insert(fields.at(2));
            EXPECT_EQ(
                fileBytes(results.path() + QLatin1Char('/') + QString::fromUtf8(fields.at(2))),
                sourceBytes.value(fields.at(1)))
                << "the copy " << fields.at(2).constData() << " is not its source, whole";
        }
    }
    EXPECT_EQ(copiedLines, 4 * kFiles);
    EXPECT_EQ(resultEntries().size(), copiedLines)
        << resultEntries().join(QLatin1Char('|')).toStdString();
}

TEST_F(RunTest, ASignalEndsTheRunBetweenFilesWithItsWorkers) {
    const QString first = pdf(QStringLiteral("a.pdf"), QStringLiteral("First document"));
    // Reading a pipe that nobody writes to never ends: a worker hangs on it.
    const QString pipe = sources.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const pid_t process = program.start({"rename", "--words", "1", "--jobs", "2", "--to",
                                         arg(results.path()), arg(first), arg(pipe)});
    ASSERT_GT(process, 0);
    QList<qint64> workers;
    // The signal is taken between files: once the first copy is there, its line is written.
    const QString firstCopy = results.filePath(QStringLiteral("First.pdf"));
    for (int wait = 0; wait < 500 && (workers.size() < 2 || !QFile::exists(firstCopy)); ++wait) {
        QThread::msleep(10);
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(process));
        workers.clear();
        if (children.open(QIODevice::ReadOnly)) {
            for (const QByteArray& id : children.readAll().split(' '))
                if (!id.trimmed().isEmpty())
                    workers << id.trimmed().toLongLong();
        }
    }
    ASSERT_EQ(workers.size(), 2) << "the workers started";
    ::kill(process, SIGTERM);
    const ProgramResult result = program.finish(process);
    EXPECT_EQ(result.status, 128 + SIGTERM);
    for (const qint64 worker : workers)
        EXPECT_TRUE(processEnds(worker)) << "worker " << worker << " outlived the program";
    EXPECT_EQ(result.out, "copied\t" + arg(first) + "\tFirst.pdf\n");
    EXPECT_EQ(resultEntries(), QStringList{"First.pdf"}) << "nothing half made is left";
}

} // namespace

} // namespace corvander
