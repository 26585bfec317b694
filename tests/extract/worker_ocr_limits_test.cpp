// The OCR time limit given as text, and the worker's thread time and memory page after page.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_ocr_fixture.h"
#include "tests/extract/worker_session.h"
#include "tests/support/scanned_pages.h"
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

TEST_F(WorkerOcr, ATimeLimitThatIsNoNumberOfMillisecondsIsRefused) {
    const QString path = scan();
    for (const char* limit : {"soon", "0", "-5", "", "86400001"}) {
        Fields request = ocrRequest(path);
        request.add(Tag::OcrTimeout, limit);
        const std::optional<Fields> answer = worker.askPastProgress(request);
        ASSERT_TRUE(answer);
        EXPECT_EQ(number(*answer, Tag::Status), 2) << limit;
        EXPECT_TRUE(field(*answer, Tag::Text).isEmpty()) << limit;
    }
}

TEST_F(WorkerOcr, OneThreadTimeForEachPageAndMemoryThatStaysPut) {
    // Started as the program starts it, with nothing said about threads.
    QProcessEnvironment plain = workerEnvironment();
    plain.remove(QStringLiteral("OMP_THREAD_LIMIT"));
    WorkerSession fresh(plain);
    const QString path = scan();
    Fields request = ocrRequest(path);
    request.add(Tag::OcrTimeout, "60000");
    ASSERT_EQ(field(*fresh.askPastProgress(request), Tag::OcrPages), "1");
    EXPECT_EQ(fresh.procLine("status", "Threads:").simplified(), "Threads: 1");
    QFile environ(QStringLiteral("/proc/%1/environ").arg(fresh.process().processId()));
    ASSERT_TRUE(environ.open(QIODevice::ReadOnly));
    EXPECT_TRUE(environ.readAll().split('\0').contains("OMP_THREAD_LIMIT=1"));
    // The page's own time on top of the request's budget.
    const QList<QByteArray> cpu = fresh.procLine("limits", "Max cpu time").simplified().split(' ');
    EXPECT_GE(cpu.value(3).toInt(), 180);
    EXPECT_LE(cpu.value(3).toInt(), 200);

    // Page after page, in one language and then in three: the set-ups stay, nothing else does.
    for (const char* languages : {"eng", "eng+deu+fra"}) {
        const Fields again = ocrRequest(path, 0, 0, languages);
        ASSERT_EQ(field(*fresh.askPastProgress(again), Tag::OcrPages), "1");
        const int settled = kilobytes(fresh.procLine("status", "VmRSS:"));
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(fresh.askPastProgress(again));
        const int after = kilobytes(fresh.procLine("status", "VmRSS:"));
        // The allocator's own ups and downs stay well below one leaked page image (a page of
        // 8.7 million grey pixels), four of which this would show.
        EXPECT_LT(after - settled, 24 * 1024)
            << languages << ": " << settled << " kB, then " << after << " kB";
    }
}

} // namespace

} // namespace corvander
