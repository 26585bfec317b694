// Names a script did not expect: files a folder walk must leave out and say so, control
// characters that must not reach a terminal, and direction controls that must not reach a copy's
// name.
#include "tests/cli/program_runner.h"
#include "tests/support/deep_tree.h"
#include "tests/support/pdf_writer.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace corvander {

namespace {

class HostileNames : public ::testing::Test {
protected:
    ~HostileNames() override { removeDeepTree(sources.path()); }

    QString pdf(const QString& relative, const QString& text) {
        const QString path = sources.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(writePdf(path, pdfOfPages({text})));
        return path;
    }

    // Bytes of the output other than the TABs and line feeds that make its lines.
    static QByteArray controlsIn(const QByteArray& output) {
        QByteArray controls;
        for (const char byte : output) {
            const auto code = static_cast<unsigned char>(byte);
            if ((code < 0x20 && byte != '\t' && byte != '\n') || code == 0x7f)
                controls += byte;
        }
        return controls;
    }

    // The names in the results folder that hold a direction control.
    QStringList namesWithDirectionControls() const {
        QStringList found;
        for (const QString& name : QDir(results.path()).entryList(QDir::Files)) {
            for (const QChar c : name) {
                if ((c >= QChar(0x202a) && c <= QChar(0x202e)) ||
                    (c >= QChar(0x2066) && c <= QChar(0x2069)))
                    found << name;
            }
        }
        return found;
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    ProgramRunner program;
};

} // namespace

TEST_F(HostileNames, FilesAWalkLeavesOutGetALineEachAndStatusOne) {
    pdf(QStringLiteral("in/a.pdf"), QStringLiteral("Alpha words"));
    const QByteArray latin1 = QFile::encodeName(sources.path()) + "/in/caf\xe9.pdf";
    const int descriptor = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(descriptor, 0);
    ::close(descriptor);
    // Walked from "in", the sixteenth level's path still fits in one call and the seventeenth's
    // does not: a short name there is read, a long one and anything deeper are left out.
    const QString level16 = makeDeepFolders(sources.filePath(QStringLiteral("in")), 16);
    const QString level17 = makeDeepFolders(level16, 1);
    ASSERT_FALSE(level17.isEmpty());
    const QString longName = QString(100, QLatin1Char('n')) + QStringLiteral(".pdf");
    ASSERT_TRUE(writeDeepFile(level16 + QStringLiteral("/ok.pdf"),
                              pdfBytes(pdfOfPages({QStringLiteral("Fits here")}))));
    ASSERT_TRUE(writeDeepFile(level16 + QLatin1Char('/') + longName, "%PDF-1.4\n"));
    ASSERT_TRUE(writeDeepFile(level17 + QStringLiteral("/deep.pdf"), "%PDF-1.4\n"));
    const qsizetype cut = sources.path().size() + 1;
    const QByteArray in16 = arg(level16.mid(cut));
    const QByteArray in17 = arg(level17.mid(cut));
    ASSERT_LT(in16.size() + 7, 4096);
    ASSERT_GE(in17.size(), 4096);

    const ProgramResult rename = program.run(
        {"rename", "--dry-run", "--words", "1", "--to", arg(results.path()), "in"}, sources.path());
    EXPECT_EQ(rename.status, 1) << rename.err.constData();
    EXPECT_EQ(rename.out, "would-copy\tin/a.pdf\tAlpha.pdf\n"
                          "skipped\tin/caf\\xe9.pdf\tthe name is not valid UTF-8\n"
                          "skipped\t" +
                              in16 + '/' + arg(longName) +
                              "\tpath too long\n"
                              "would-copy\t" +
                              in16 +
                              "/ok.pdf\tFits.pdf\n"
                              "skipped\t" +
                              in17 + "/deep.pdf\tpath too long\n");

    const ProgramResult check = program.run({"check", "--json", "in"}, sources.path());
    EXPECT_EQ(check.status, 1) << check.err.constData();
    const QList<QByteArray> lines = check.lines();
    ASSERT_EQ(lines.size(), 5) << check.out.constData();
    const struct {
        const char* result;
        QByteArray source;
        const char* reason;
    } expected[] = {
        {"readable", "in/a.pdf", nullptr},
        {"unreadable", "in/caf\\xe9.pdf", "the name is not valid UTF-8"},
        {"unreadable", in16 + '/' + arg(longName), "path too long"},
        {"readable", in16 + "/ok.pdf", nullptr},
        {"unreadable", in17 + "/deep.pdf", "path too long"},
    };
    for (int i = 0; i < 5; ++i) {
        const QJsonObject line = QJsonDocument::fromJson(lines.at(i)).object();
        EXPECT_EQ(line.value(QStringLiteral("result")).toString(),
                  QString::fromLatin1(expected[i].result));
        EXPECT_EQ(line.value(QStringLiteral("source")).toString().toUtf8(), expected[i].source);
        if (expected[i].reason) {
            EXPECT_EQ(line.value(QStringLiteral("reason")).toString(),
                      QString::fromLatin1(expected[i].reason));
        }
    }
}

TEST_F(HostileNames, ControlCharactersInPathsNeverReachTheOutputRaw) {
    pdf(QStringLiteral("in/cr\rhere.pdf"), QStringLiteral("Carriage words"));
    pdf(QStringLiteral("in/esc\x1b[2J.pdf"), QStringLiteral("Escape words"));
    // A folder whose name holds controls is left out, and its line says so.
    pdf(QStringLiteral("in/bell\x1b]0;title\x07/x.pdf"), QStringLiteral("Hidden words"));
    pdf(QStringLiteral("in/del\x7f.pdf"), QStringLiteral("Delete words"));

    const ProgramResult tsv = program.run(
        {"rename", "--dry-run", "--words", "1", "--to", arg(results.path()), "in"}, sources.path());
    EXPECT_EQ(tsv.status, 1);
    EXPECT_EQ(tsv.out, "would-copy\tin/cr\\x0dhere.pdf\tCarriage.pdf\n"
                       "would-copy\tin/del\\x7f.pdf\tDelete.pdf\n"
                       "would-copy\tin/esc\\x1b[2J.pdf\tEscape.pdf\n"
                       "skipped\tin/bell\\x1b]0;title\\x07\tthe name holds control characters\n");
    EXPECT_EQ(controlsIn(tsv.err), QByteArray()) << tsv.err.constData();

    const ProgramResult check = program.run({"check", "in"}, sources.path());
    EXPECT_EQ(controlsIn(check.out), QByteArray()) << check.out.constData();
    EXPECT_TRUE(check.out.contains("readable\tin/esc\\x1b[2J.pdf\n"));

    const ProgramResult json = program.run(
        {"rename", "--json", "--dry-run", "--words", "1", "--to", arg(results.path()), "in"},
        sources.path());
    EXPECT_EQ(controlsIn(json.out), QByteArray()) << json.out.constData();
    EXPECT_TRUE(json.out.contains(R"("source":"in/esc\u001b[2J.pdf")")) << json.out.constData();
    EXPECT_TRUE(json.out.contains(R"("source":"in/cr\rhere.pdf")")) << json.out.constData();
    const QList<QByteArray> lines = json.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(QJsonDocument::fromJson(lines.at(2)).object().value(QStringLiteral("source")),
              QStringLiteral("in/esc\x1b[2J.pdf"));

    // On a terminal the progress bar names each file as it goes, escaped as well.
    if (const int probe = ::posix_openpt(O_RDWR | O_NOCTTY);
        probe >= 0 && ::grantpt(probe) == 0 && ::unlockpt(probe) == 0 &&
        ::access(::ptsname(probe), F_OK) == 0) {
        ::close(probe);
        const ProgramResult bar = program.runOnTerminal(
            {"rename", "--dry-run", "--words", "1", "--to", arg(results.path()),
             arg(sources.filePath(QStringLiteral("in")))});
        EXPECT_TRUE(bar.err.contains("esc\\x1b[2J.pdf")) << bar.err.constData();
        EXPECT_FALSE(bar.err.contains("\x1b[2J"));
        EXPECT_FALSE(bar.err.contains("\x1b]0;"));
    }
}

TEST_F(HostileNames, DirectionControlsNeverReachACopysName) {
    // A title that would show "abc<RLO>exe" + ".pdf" as "abcfdp.exe", in UTF-16 as PDF keeps it.
    PdfDocument titled = pdfOfPages({QStringLiteral("Some text")});
    titled.rawInfo.insert(QStringLiteral("Title"), QByteArray("\xfe\xff\x00"
                                                              "a\x00"
                                                              "b\x00"
                                                              "c\x20\x2e\x00"
                                                              "e\x00"
                                                              "x\x00"
                                                              "e",
                                                              16));
    const QString metadataSource = sources.filePath(QStringLiteral("titled.pdf"));
    ASSERT_TRUE(writePdf(metadataSource, titled));
    // Text whose first word holds an isolate: the page shows "Alpha", its text says
    // "Al<LRI>pha".
    PdfDocument isolated;
    isolated.pages = {{}};
    isolated.rawContent.insert(
        0, "BT /F1 12 Tf 72 700 Td /Span << /ActualText <FEFF0041006C20660070006800610020> >> "
           "BDC (Alpha ) Tj EMC (words) Tj ET");
    const QString contentSource = sources.filePath(QStringLiteral("isolated.pdf"));
    ASSERT_TRUE(writePdf(contentSource, isolated));

    const ProgramResult metadata =
        program.run({"rename", "--format", "%t", "--to", arg(results.path()), arg(metadataSource)});
    EXPECT_EQ(metadata.status, 0) << metadata.err.constData();
    EXPECT_EQ(metadata.out, "copied\t" + arg(metadataSource) + "\tabcexe.pdf\n");
    const ProgramResult content =
        program.run({"rename", "--words", "1", "--to", arg(results.path()), arg(contentSource)});
    EXPECT_EQ(content.status, 0) << content.err.constData();
    EXPECT_EQ(content.out, "copied\t" + arg(contentSource) + "\tAlpha.pdf\n");
    QStringList copies = QDir(results.path()).entryList(QDir::Files);
    copies.sort();
    EXPECT_EQ(copies, (QStringList{QStringLiteral("Alpha.pdf"), QStringLiteral("abcexe.pdf")}));
    EXPECT_TRUE(namesWithDirectionControls().isEmpty());
}

} // namespace corvander
