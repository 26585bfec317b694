// The recorded worker answers that the fast tests of naming and of the run answer from must be
// what the worker says about the same documents, request by request. Run with
// CORVANDER_RECORD=1 to write them anew after a change of the worker.
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "tests/support/recorded_answers.h"

#include <QDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

const QString kRecorded = QStringLiteral(CORVANDER_RECORDED_ANSWERS);
const QString kSamples = QStringLiteral(CORVANDER_SAMPLES);

class RecordedAnswersTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Dates in the document information are written in the worker's time zone.
        m_oldTz = qgetenv("TZ");
        qputenv("TZ", "UTC");
        pool = std::make_unique<ExtractionPool>(
            PoolSettings{QStringLiteral(CORVANDER_EXTRACT_PROGRAM), 2, 60000});
    }
    void TearDown() override { qputenv("TZ", m_oldTz); }

    ExtractResult ask(const ExtractRequest& request) { return extractNow(*pool, waiter, request); }

    std::unique_ptr<ExtractionPool> pool;
    EventLoopWaiter waiter;

private:
    QByteArray m_oldTz;
};

QStringList sampleFiles() {
    return QDir(kSamples).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Every request a naming rule makes of a document of `pages` pages, and the ranges past its end.
QList<ExtractRequest> requestsFor(const QString& path, int pages) {
    QList<ExtractRequest> requests{ExtractRequest::wholeText(path),
                                   ExtractRequest::information(path),
                                   ExtractRequest::lastPageText(path)};
    for (int page = 1; page <= pages + 1; ++page)
        requests << ExtractRequest::pageText(path, page);
    ExtractRequest withInfo = ExtractRequest::wholeText(path);
    withInfo.withInfo = true;
    requests << withInfo;
    return requests;
}

TEST_F(RecordedAnswersTest, EveryRecordingIsWhatTheWorkerAnswers) {
    if (qEnvironmentVariableIsSet("CORVANDER_RECORD")) {
        for (const QString& name : sampleFiles()) {
            const QString path = QDir(kSamples).filePath(name);
            ASSERT_TRUE(RecordedAnswers::save(kRecorded, name, ask(ExtractRequest::wholeText(path)),
                                              ask(ExtractRequest::information(path))));
        }
    }
    const RecordedAnswers recorded = RecordedAnswers::load(kRecorded);
    ASSERT_EQ(recorded.fileNames().size(), sampleFiles().size());
    for (const QString& name : sampleFiles()) {
        const QString path = QDir(kSamples).filePath(name);
        const int pages = ask(ExtractRequest::information(path)).pageCount;
        ASSERT_GT(pages, 0) << name.toStdString();
        for (const ExtractRequest& request : requestsFor(path, pages)) {
            SCOPED_TRACE(QStringLiteral("%1 kind %2 pages %3-%4 last %5")
                             .arg(name)
                             .arg(int(request.kind))
                             .arg(request.firstPage)
                             .arg(request.lastPage)
                             .arg(request.lastPageOnly)
                             .toStdString());
            const ExtractResult real = ask(request);
            const std::optional<ExtractResult> answer = recorded.answer(request);
            ASSERT_TRUE(answer.has_value());
            EXPECT_EQ(answer->status, real.status);
            EXPECT_EQ(answer->text, real.text);
            EXPECT_EQ(answer->info, real.info);
            EXPECT_EQ(answer->xml, real.xml);
            if (real.status == 0) {
                EXPECT_EQ(answer->pageCount, real.pageCount);
            }
        }
    }
}

} // namespace

} // namespace corvander
