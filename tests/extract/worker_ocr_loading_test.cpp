// The OCR library is loaded by the worker only when something needs it, so that the many
// documents that never do are not slowed by loading it; and a worker whose OCR module is missing
// still reads text and says plainly why OCR cannot work.
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

Fields languagesRequest() {
    Fields request;
    request.add(Tag::Operation, corvander::protocol::kOperationLanguages);
    request.add(Tag::Id, "l");
    return request;
}

bool mapsTheOcrLibrary(WorkerSession& worker) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(worker.process().processId()));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libtesseract");
}

QString textDocument(const QTemporaryDir& folder) {
    PdfDocument doc;
    doc.pages = {{QStringLiteral("Harbour Street Library statement")}};
    return write(QDir(folder.path()), QStringLiteral("statement.pdf"), doc);
}

TEST(WorkerOcrLoading, TheLibraryIsLoadedOnlyWhenOcrIsAskedFor) {
    QTemporaryDir folder;
    WorkerSession worker;
    const std::optional<Fields> text = worker.ask(textRequest(textDocument(folder)));
    ASSERT_TRUE(text);
    EXPECT_EQ(number(*text, Tag::Status), 0);
    EXPECT_FALSE(mapsTheOcrLibrary(worker));

    const std::optional<Fields> languages = worker.ask(languagesRequest());
    ASSERT_TRUE(languages);
    EXPECT_EQ(number(*languages, Tag::Status), 0);
    EXPECT_TRUE(field(*languages, Tag::OcrLanguages).split('+').contains("eng"));
    EXPECT_TRUE(mapsTheOcrLibrary(worker));
}

TEST(WorkerOcrLoading, AWorkerWithoutItsModuleReadsTextAndNamesTheMissingLibrary) {
    QTemporaryDir folder;
    const QString alone = folder.filePath(QStringLiteral("corvander-extract"));
    ASSERT_TRUE(QFile::copy(kShippedWorker, alone));
    ASSERT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("corvander-ocr.so"))));
    WorkerSession worker(workerEnvironment(), alone);

    const std::optional<Fields> text = worker.ask(textRequest(textDocument(folder)));
    ASSERT_TRUE(text);
    EXPECT_EQ(number(*text, Tag::Status), 0);
    EXPECT_TRUE(field(*text, Tag::Text).startsWith("Harbour Street Library"));

    const std::optional<Fields> languages = worker.ask(languagesRequest());
    ASSERT_TRUE(languages);
    EXPECT_NE(number(*languages, Tag::Status), 0);
    EXPECT_TRUE(field(*languages, Tag::Error).startsWith("the OCR library could not be loaded"))
        << field(*languages, Tag::Error).data();
    // Asked again, the same answer, and the worker lives on.
    const std::optional<Fields> again = worker.ask(languagesRequest());
    ASSERT_TRUE(again);
    EXPECT_EQ(field(*again, Tag::Error), field(*languages, Tag::Error));
}

} // namespace

} // namespace corvander
