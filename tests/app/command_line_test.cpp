#include "app/command_line.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace corvander {

TEST(CommandLine, FilesOptionsAndQtsOwnOptions) {
    using Action = CommandLine::Action;
    const struct {
        const char* name;
        QStringList arguments;
        Action action;
        QStringList paths;
        const char* refused;
    } cases[] = {
        {"nothing", {}, Action::OpenWindow, {}, ""},
        {"files and folders",
         {"a.pdf", "/scans", "b c.PDF"},
         Action::OpenWindow,
         {"a.pdf", "/scans", "b c.PDF"},
         ""},
        {"an empty word", {"", "a.pdf"}, Action::OpenWindow, {"a.pdf"}, ""},
        {"help wins over files", {"a.pdf", "--help", "b.pdf"}, Action::ShowHelp, {"a.pdf"}, ""},
        {"short help", {"-h"}, Action::ShowHelp, {}, ""},
        {"version", {"-v"}, Action::ShowVersion, {}, ""},
        {"unknown long", {"a.pdf", "--bogus"}, Action::RefuseOption, {"a.pdf"}, "--bogus"},
        {"unknown short", {"-x"}, Action::RefuseOption, {}, "-x"},
        {"unknown before help", {"--bogus", "--help"}, Action::RefuseOption, {}, "--bogus"},
        {"a lone dash", {"-"}, Action::RefuseOption, {}, "-"},
        {"after the end of options",
         {"--", "-x.pdf", "--help"},
         Action::OpenWindow,
         {"-x.pdf", "--help"},
         ""},
        {"Qt's option with its value",
         {"-platform", "offscreen", "a.pdf"},
         Action::OpenWindow,
         {"a.pdf"},
         ""},
        {"Qt's option with two dashes",
         {"--style", "fusion", "a.pdf"},
         Action::OpenWindow,
         {"a.pdf"},
         ""},
        {"Qt's option with an equals sign",
         {"-style=fusion", "a.pdf"},
         Action::OpenWindow,
         {"a.pdf"},
         ""},
        {"Qt's flags", {"-reverse", "a.pdf", "-nograb"}, Action::OpenWindow, {"a.pdf"}, ""},
        {"a Qt option's name is not a prefix",
         {"-platforms"},
         Action::RefuseOption,
         {},
         "-platforms"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_EQ(parsed.action, c.action);
        if (c.action != Action::ShowHelp) {
            EXPECT_EQ(parsed.paths, c.paths);
        }
        EXPECT_EQ(parsed.refused, QString::fromLatin1(c.refused));
    }
}

} // namespace corvander
