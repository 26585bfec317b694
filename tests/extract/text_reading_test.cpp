#include "common/error_report.h"
#include "extract/text_reading.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class TextReadingTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

TEST_F(TextReadingTest, WholeFileKeepsLineEndsAndFormFeeds) {
    const QString path = write(QStringLiteral("a.txt"), "One two\r\nthree\r\n\r\n\fFour\r\n\f");
    EXPECT_EQ(ReadWholeFile(path), QStringLiteral("One two\r\nthree\r\n\r\n\fFour\r\n\f"));
    EXPECT_EQ(ReadWholeFile(write(QStringLiteral("empty.txt"), {})), QString());
}

TEST_F(TextReadingTest, WholeFileDecodesUtf8AndComposesAccents) {
    // "Café" with a precomposed e-acute, then "Cafe" plus a combining acute accent.
    const QString path = write(QStringLiteral("u.txt"), "Caf\xC3\xA9 Cafe\xCC\x81 \xE2\x82\xAC"
                                                        "5 na\xC3\xAFve");
    const QString text = ReadWholeFile(path);
    EXPECT_EQ(text, QString::fromUtf8("Café Café €5 naïve"));
    EXPECT_EQ(text.count(QChar(0xE9)), 2);
}

TEST_F(TextReadingTest, InvalidBytesDoNotLoseTheRestOfTheText) {
    const QString path =
        write(QStringLiteral("bad.txt"), "Before \xFF\xFE middle \xC3 after\r\nlast line\f");
    const QString text = ReadWholeFile(path);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Before "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" middle "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" after\r\nlast line\f"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QChar::ReplacementCharacter));
}

TEST_F(TextReadingTest, WholeFileOfAMissingFileRaises) {
    EXPECT_THROW(ReadWholeFile(dir.filePath(QStringLiteral("missing.txt"))), AppError);
}

TEST_F(TextReadingTest, LinesSplitAtCrLfOrLf) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const QList<Case> cases{
        {"one\r\ntwo\r\nthree\r\n", {"one", "two", "three"}},
        {"one\ntwo\nthree\n", {"one", "two", "three"}},
        {"one\r\ntwo\nthree", {"one", "two", "three"}},
        {"Title:  a\rb\n", {"Title:  a\rb"}},
        {"\n\nx\n", {"", "", "x"}},
        {"\n", {""}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const QString path = write(QStringLiteral("lines.txt"), c.bytes);
        EXPECT_EQ(ReadFileToStringFSOLine(dialogs, path), c.lines) << c.bytes.toStdString();
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(TextReadingTest, LinesAreComposed) {
    const QString path = write(QStringLiteral("l.txt"), "Author: Rene\xCC\x81\n");
    EXPECT_EQ(ReadFileToStringFSOLine(dialogs, path),
              QStringList{QString::fromUtf8("Author: René")});
}

TEST_F(TextReadingTest, UnopenableFileIsReportedOnceAndGivesNoLines) {
    EXPECT_TRUE(
        ReadFileToStringFSOLine(dialogs, dir.filePath(QStringLiteral("none.txt"))).isEmpty());
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().first().contains(
        QStringLiteral("in Quarnex2021/08/31.Main.ReadFileToStringFSOLine at line 100")))
        << dialogs.warnings().first().toStdString();
}

TEST_F(TextReadingTest, FileSizeInBytesOrZero) {
    EXPECT_EQ(FileSize2(write(QStringLiteral("nine.txt"), "123456789")), 9);
    EXPECT_EQ(FileSize2(write(QStringLiteral("zero.txt"), {})), 0);
    EXPECT_EQ(FileSize2(dir.filePath(QStringLiteral("missing.txt"))), 0);
    EXPECT_EQ(FileSize2(dir.path()), 0) << "a folder is not a file";
    EXPECT_EQ(FileSize2(QString()), 0);
}

TEST_F(TextReadingTest, FileSizeIsTheLowThirtyTwoBits) {
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A sparse file: 4 GiB and 5 bytes take no room on disk.
    ASSERT_TRUE(file.resize((qint64(1) << 32) + 5));
    file.close();
    EXPECT_EQ(FileSize2(path), 5);
    ASSERT_TRUE(QFile::resize(path, (qint64(1) << 32) - 1));
    EXPECT_EQ(FileSize2(path), -1);
}

TEST(OutputPaths, BaseNamePlusTxtInTheWorkFolder) {
    struct Case {
        QString pdf;
        QString check;
        QString rename;
    };
    const QList<Case> cases{
        {"/in/a b.pdf", "/w/a b.txt", "/w/a b.txt"},
        {"/in/x.y.pdf", "/w/x.y.txt", "/w/x.y.txt"},
        {"/in/.pdf", "/w/.txt", "/w/.pdf.txt"},
        {"/in.d/noext", "/w/in.txt", "/w/noext.txt"},
        {"/in/Report 2020.PDF", "/w/Report 2020.txt", "/w/Report 2020.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkOutputPath(QStringLiteral("/w"), c.pdf), c.check) << c.pdf.toStdString();
        EXPECT_EQ(outputTextPath(QStringLiteral("/w"), c.pdf), c.rename) << c.pdf.toStdString();
    }
}

} // namespace
