// Where the command line's progress goes, and the commands its help lists.
#include "tests/cli/contract_fixture.h"
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/scanned_pages.h"
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

TEST_F(ContractTest, ProgressGoesToATerminalOnlyAndHelpListsTheCommands) {
    const QByteArray file = arg(pdf(QStringLiteral("a.pdf"), QStringLiteral("Progress words")));
    const QList<QByteArray> arguments{"rename", "--words", "1", "--to", arg(results.path()), file};
    const ProgramResult quiet = program.run(arguments);
    EXPECT_EQ(quiet.err, QByteArray()) << "no display, no terminal: nothing on standard error";
    EXPECT_EQ(program.run({"check", file}).err, QByteArray());
    QDir(results.path()).removeRecursively();
    QDir().mkpath(results.path());
    // A chroot without /dev/pts has no terminal to give; every desktop and server has one.
    if (const int probe = ::posix_openpt(O_RDWR | O_NOCTTY);
        probe >= 0 && ::grantpt(probe) == 0 && ::unlockpt(probe) == 0 &&
        ::access(::ptsname(probe), F_OK) == 0) {
        ::close(probe);
        const ProgramResult shown = program.runOnTerminal(arguments);
        EXPECT_EQ(shown.status, 0);
        EXPECT_TRUE(shown.err.contains("100% Processing: a.pdf")) << shown.err.constData();
        EXPECT_TRUE(shown.err.endsWith("\r\033[K")) << "the bar is taken off at the end";
        EXPECT_EQ(shown.out, "copied\t" + file + "\tProgress.pdf\n");
        // The check counts the files on the same bar.
        const QByteArray other = arg(pdf(QStringLiteral("b.pdf"), QStringLiteral("Other words")));
        const ProgramResult checked = program.runOnTerminal({"check", file, other});
        EXPECT_EQ(checked.status, 0);
        EXPECT_TRUE(checked.err.contains("50% Checking: 1 of 2")) << checked.err.constData();
        EXPECT_TRUE(checked.err.contains("100% Checking: 2 of 2")) << checked.err.constData();
        EXPECT_FALSE(checked.err.contains("Progress Bar")) << "the bar at rest is not drawn";
        EXPECT_TRUE(checked.err.endsWith("\r\033[K")) << "the bar is taken off at the end";
        EXPECT_EQ(checked.out, "readable\t" + file + "\nreadable\t" + other + "\n");
    } else {
        std::cerr << "No terminal here: the bar is not looked at.\n";
    }

    const ProgramResult top = program.run({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_TRUE(top.out.contains("corvander rename FAMILY [options] --to DIR PATH..."));
    EXPECT_TRUE(top.out.contains("corvander check [options] PATH..."));
    const ProgramResult rename = program.run({"rename", "--words", "x", "--help"});
    EXPECT_EQ(rename.status, 0);
    for (const char* option :
         {"--words", "--page", "--word-numbers", "--after", "--before", "--format", "--to",
          "--dry-run", "--ocr", "--jobs", "--password-file", "--json", "--extension"})
        EXPECT_TRUE(rename.out.contains(option)) << option;
    // A value that looks like the help option is a value.
    const QByteArray dashed = arg(pdf(QStringLiteral("dashed.pdf"), QStringLiteral("Call -h now")));
    EXPECT_EQ(program
                  .run({"rename", "--after", "-h", "--words", "1", "--dry-run", "--to",
                        arg(results.path()), dashed})
                  .out,
              "would-copy\t" + dashed + "\tnow.pdf\n");
    const ProgramResult check = program.run({"check", "-h"});
    EXPECT_EQ(check.status, 0);
    EXPECT_TRUE(check.out.contains("unreadable  SOURCE  REASON"));
}

} // namespace

} // namespace corvander
