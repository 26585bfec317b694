// The worker's text against pdftotext's, run side by side on the same files.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"

#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

class WorkerText : public ::testing::Test {
protected:
    // The worker's answer must be pdftotext's, status and bytes.
    void expectSameText(const Fields& request, const QString& path, const QStringList& options) {
        const std::optional<Fields> answer = worker.ask(request);
        ASSERT_TRUE(answer) << "no answer for " << path.toStdString();
        const ToolResult tool = runPdftotext(path, options, environment);
        const std::string context =
            (path + QLatin1Char(' ') + options.join(QLatin1Char(' '))).toStdString();
        EXPECT_EQ(number(*answer, Tag::Status), tool.status) << context;
        EXPECT_EQ(field(*answer, Tag::Text), tool.output) << context;
        EXPECT_EQ(tool.status == 0, tool.wroteFile) << context;
        EXPECT_EQ(answer->has(Tag::Error), tool.status != 0) << context;
        if (tool.status == 1) {
            EXPECT_EQ(number(*answer, Tag::PageCount), -1) << context;
        }
    }

    void expectSameRange(const QString& path, int first, int last) {
        expectSameText(textRequest(path, first, last), path,
                       {QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
                        QString::number(last)});
    }

    int pageCount(const QString& path) {
        return number(*worker.ask(textRequest(path)), Tag::PageCount);
    }

    QProcessEnvironment environment = workerEnvironment();
    WorkerSession worker{environment};
    QTemporaryDir dir;
};

TEST_F(WorkerText, EveryPageRangeOfMultiPageDocuments) {
    QStringList paths{write(dir.path(), QStringLiteral("report.pdf"), multiPage()),
                      write(dir.path(), QStringLiteral("shaped.pdf"), shapedPages())};
    const QDir samples(QStringLiteral(CORVANDER_SAMPLES));
    for (const QString& name : samples.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        paths.append(samples.filePath(name));
    ASSERT_EQ(paths.size(), 6);

    for (const QString& path : paths) {
        const int pages = pageCount(path);
        ASSERT_GE(pages, 1) << path.toStdString();
        for (int first = 1; first <= pages + 1; ++first) {
            for (int last = first; last <= pages + 1; ++last)
                expectSameRange(path, first, last);
        }
    }
}

TEST_F(WorkerText, MissingReversedAndNegativeNumbersAreReadAsPdftotextReadsThem) {
    const QString path = write(dir.path(), QStringLiteral("report.pdf"), multiPage());
    // Zero is "not given": the whole document, or from the start, or to the end.
    expectSameText(textRequest(path), path, {});
    const QList<QPair<int, int>> ranges{{0, 0}, {0, 2}, {3, 0},  {-4, 2}, {2, -1},
                                        {4, 2}, {6, 0}, {9, 12}, {5, 5},  {2, 99}};
    for (const auto& [first, last] : ranges)
        expectSameRange(path, first, last);
}

TEST_F(WorkerText, LastPageOnlyIsTheLastPageAlone) {
    const QString path = write(dir.path(), QStringLiteral("report.pdf"), multiPage());
    Fields request = textRequest(path, 1, 2);
    request.add(Tag::LastPageOnly, "1");
    expectSameText(
        request, path,
        {QStringLiteral("-f"), QStringLiteral("5"), QStringLiteral("-l"), QStringLiteral("5")});
    EXPECT_EQ(number(*worker.ask(request), Tag::PageCount), 5);

    // A document without pages has no last page: pdftotext refuses -f 0 -l 0 for it.
    const QString none = write(dir.path(), QStringLiteral("none.pdf"), PdfDocument());
    Fields noPages = textRequest(none);
    noPages.add(Tag::LastPageOnly, "1");
    expectSameText(
        noPages, none,
        {QStringLiteral("-f"), QStringLiteral("0"), QStringLiteral("-l"), QStringLiteral("0")});
    const std::optional<Fields> answer = worker.ask(noPages);
    EXPECT_EQ(number(*answer, Tag::Status), 99);
    EXPECT_EQ(number(*answer, Tag::PageCount), 0);
}

TEST_F(WorkerText, FilesThatAreNoDocumentGiveTheToolsStatus) {
    for (const QString& path : brokenFiles(dir.path())) {
        expectSameText(textRequest(path), path, {});
        expectSameRange(path, 2, 3);
    }
}

TEST_F(WorkerText, ANameThatLooksLikeAnAddressIsStillAFile) {
    // The tools take any name with "://" in it for an address they cannot fetch; the worker
    // reads the file the name leads to.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("http:")));
    const QString file = write(dir.path(), QStringLiteral("http:/report.pdf"), multiPage());
    const QString address = dir.filePath(QStringLiteral("http://report.pdf"));
    EXPECT_EQ(runPdftotext(address, {}, environment).status, 1);
    const ToolResult tool = runPdftotext(file, {}, environment);
    const std::optional<Fields> answer = worker.ask(textRequest(address));
    ASSERT_TRUE(answer);
    EXPECT_EQ(number(*answer, Tag::Status), 0);
    EXPECT_EQ(field(*answer, Tag::Text), tool.output);
}

TEST_F(WorkerText, APasswordOpensWhatEitherPasswordOptionOpens) {
    PdfDocument doc = multiPage();
    doc.encryption = PdfEncryption{"open sesame", "master key", -3904};
    const QString locked = write(dir.path(), QStringLiteral("locked.pdf"), doc);
    doc.encryption = PdfEncryption{{}, "master key", -4};
    const QString restricted = write(dir.path(), QStringLiteral("restricted.pdf"), doc);

    for (const QString& path : {locked, restricted}) {
        expectSameText(textRequest(path), path, {});
        expectSameText(withPassword(textRequest(path, 2, 4), "master key"), path,
                       {QStringLiteral("-opw"), QStringLiteral("master key"), QStringLiteral("-f"),
                        QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("4")});
    }
    expectSameText(withPassword(textRequest(locked), "open sesame"), locked,
                   {QStringLiteral("-upw"), QStringLiteral("open sesame")});
    expectSameText(withPassword(textRequest(restricted), "open sesame"), restricted, {});
    // A wrong password shuts the locked one as it shuts the tool; the one with only an owner
    // password opens without a password, so the password given is not even tried on it.
    expectSameText(withPassword(textRequest(locked), "guess"), locked,
                   {QStringLiteral("-upw"), QStringLiteral("guess")});
    expectSameText(withPassword(textRequest(restricted), "guess"), restricted, {});
    EXPECT_EQ(number(*worker.ask(withPassword(textRequest(restricted), "guess")), Tag::Status), 0);
    EXPECT_EQ(number(*worker.ask(withPassword(infoRequest(restricted), "guess")), Tag::Status), 0);
    // Both passwords really do open the locked one.
    EXPECT_EQ(number(*worker.ask(withPassword(textRequest(locked), "open sesame")), Tag::Status),
              0);
    EXPECT_EQ(number(*worker.ask(withPassword(textRequest(locked), "master key")), Tag::Status), 0);
    EXPECT_EQ(number(*worker.ask(textRequest(locked)), Tag::Status), 1);
    // Only a protected document that stays shut says that it wants a password.
    EXPECT_EQ(field(*worker.ask(textRequest(locked)), Tag::NeedsPassword), "1");
    EXPECT_EQ(field(*worker.ask(withPassword(textRequest(locked), "guess")), Tag::NeedsPassword),
              "1");
    // ... and only one that was given a password says that it was the wrong one.
    EXPECT_EQ(field(*worker.ask(withPassword(textRequest(locked), "guess")), Tag::PasswordRejected),
              "1");
    EXPECT_EQ(field(*worker.ask(withPassword(infoRequest(locked), "guess")), Tag::PasswordRejected),
              "1");
    EXPECT_FALSE(worker.ask(textRequest(locked))->has(Tag::PasswordRejected));
    EXPECT_FALSE(
        worker.ask(withPassword(textRequest(locked), "open sesame"))->has(Tag::PasswordRejected));
    EXPECT_FALSE(
        worker.ask(withPassword(textRequest(locked), "master key"))->has(Tag::NeedsPassword));
    const QString damaged = write(dir.path(), QStringLiteral("damaged.pdf"), PdfDocument{});
    QFile::resize(damaged, 40);
    EXPECT_FALSE(worker.ask(textRequest(damaged))->has(Tag::NeedsPassword));
}

TEST_F(WorkerText, TheAnswerNamesTheStateOfTheFileItRead) {
    const QString path = write(dir.path(), QStringLiteral("report.pdf"), multiPage());
    const auto expectStateOf = [&](const Fields& answer, const std::string& what) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        EXPECT_EQ(field(answer, Tag::FileDevice), QByteArray::number(quint64(info.st_dev))) << what;
        EXPECT_EQ(field(answer, Tag::FileInode), QByteArray::number(quint64(info.st_ino))) << what;
        EXPECT_EQ(field(answer, Tag::FileSize), QByteArray::number(qint64(info.st_size))) << what;
        EXPECT_EQ(
            field(answer, Tag::FileModified),
            QByteArray::number(qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec))
            << what;
    };
    expectStateOf(*worker.ask(textRequest(path)), "text");
    expectStateOf(*worker.ask(infoRequest(path)), "info");

    // Another file saved under the name: the next reading names that one.
    const QByteArray before = field(*worker.ask(textRequest(path)), Tag::FileInode);
    const QString fresh = write(dir.path(), QStringLiteral("fresh.pdf"), pdfOfPages({"Other"}));
    ASSERT_EQ(
        std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()), 0);
    const Fields after = *worker.ask(textRequest(path));
    EXPECT_NE(field(after, Tag::FileInode), before);
    expectStateOf(after, "text of the new file");

    // A file that could not be opened has no state to tell.
    EXPECT_FALSE(
        worker.ask(textRequest(dir.filePath(QStringLiteral("missing.pdf"))))->has(Tag::FileInode));
}

} // namespace

} // namespace corvander
