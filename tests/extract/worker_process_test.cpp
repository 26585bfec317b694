// The worker as a process: the conversation, the test requests, its limits and its memory.
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

Fields operation(const char* name, const char* id) {
    Fields request;
    request.add(Tag::Operation, name);
    request.add(Tag::Id, id);
    return request;
}

QByteArray frameOf(const Fields& fields) {
    return QByteArray::fromStdString(fields.encode());
}

// Forms that call the next one ten times, `depth` deep; the last draws `leaf`.
PdfDocument nestedForms(int depth, const QByteArray& leaf) {
    PdfDocument doc;
    doc.pages = {{}};
    for (int level = 1; level < depth; ++level)
        doc.forms.append(("/X" + QByteArray::number(level + 1) + " Do\n").repeated(10));
    doc.forms.append(leaf);
    doc.rawContent[0] = "/X1 Do";
    return doc;
}

int kilobytes(const QByteArray& statusLine) {
    return statusLine.simplified().split(' ').value(1).toInt();
}

TEST(WorkerConversation, AnswersEachRequestInOrderWithItsId) {
    QTemporaryDir dir;
    const QString report = write(dir.path(), QStringLiteral("report.pdf"), multiPage());
    const QStringList broken = brokenFiles(dir.path());
    WorkerSession worker;
    // Everything at once, noisy broken files among them: the answers come back one each, in order.
    QByteArray requests;
    QList<QByteArray> ids;
    for (int i = 0; i < 12; ++i) {
        Fields request = i % 2 ? infoRequest(report) : textRequest(broken[i / 2 % broken.size()]);
        ids.append("request " + QByteArray::number(i));
        Fields numbered;
        numbered.add(Tag::Id, ids.last().toStdString());
        for (const Tag tag : {Tag::Operation, Tag::Path})
            numbered.add(tag, request.value(tag));
        requests += frameOf(numbered);
    }
    worker.send(requests);
    for (int i = 0; i < ids.size(); ++i) {
        const std::optional<Fields> answer = worker.nextAnswer(30000);
        ASSERT_TRUE(answer);
        EXPECT_EQ(field(*answer, Tag::Id), ids[i]);
        if (i % 2) {
            EXPECT_EQ(number(*answer, Tag::PageCount), 5);
        }
    }

    // The end of input, even in the middle of a frame, ends the worker quietly.
    worker.send(frameOf(textRequest(report)).left(9));
    ASSERT_TRUE(worker.finish());
    EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(worker.process().exitCode(), 0);
}

TEST(WorkerConversation, RequestsItCannotServeAreRefusedWithStatusTwo) {
    QTemporaryDir dir;
    const QString report = write(dir.path(), QStringLiteral("report.pdf"), multiPage());
    Fields badPage;
    badPage.add(Tag::FirstPage, "two");
    badPage.add(Tag::Operation, "text");
    badPage.add(Tag::Path, report.toStdString());
    Fields zeroInName = textRequest(report + QChar(0) + QStringLiteral(".txt"));
    WorkerSession worker;
    for (const Fields& request :
         {operation("scan", "x"), operation("", "x"), badPage, zeroInName}) {
        const std::optional<Fields> answer = worker.ask(request);
        ASSERT_TRUE(answer);
        EXPECT_EQ(number(*answer, Tag::Status), 2);
        EXPECT_FALSE(field(*answer, Tag::Error).isEmpty());
    }
    // Still serving.
    EXPECT_EQ(number(*worker.ask(textRequest(report)), Tag::Status), 0);
}

TEST(WorkerConversation, AFrameItCannotReadEndsItWithStatusThree) {
    Fields request = operation("text", "a");
    const QByteArray good = frameOf(request);
    QByteArray runsPastTheEnd = good;
    runsPastTheEnd[8] = char(0x7F); // the first field's length
    QByteArray tooLong = good;
    tooLong[0] = char(0x7F);
    for (const QByteArray& bad : {runsPastTheEnd, tooLong}) {
        WorkerSession worker;
        worker.send(bad);
        EXPECT_FALSE(worker.nextAnswer(3000));
        ASSERT_TRUE(worker.finish());
        EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(worker.process().exitCode(), 3);
    }
}

TEST(WorkerTestRequests, RefusedUnlessTheVariableIsSet) {
    QProcessEnvironment environment = workerEnvironment();
    environment.remove(QString::fromLatin1(corvander::protocol::kTestRequestsVariable));
    WorkerSession worker(environment, kTestingWorker);
    for (const char* name : {"crash", "hang"}) {
        const std::optional<Fields> answer = worker.ask(operation(name, name), 5000);
        ASSERT_TRUE(answer) << name;
        EXPECT_EQ(field(*answer, Tag::Id), name);
        EXPECT_EQ(number(*answer, Tag::Status), 2);
        EXPECT_FALSE(field(*answer, Tag::Error).isEmpty());
    }
}

// The shipped worker knows no such requests, whatever its environment says.
TEST(WorkerTestRequests, TheShippedWorkerRefusesThemAsUnknown) {
    WorkerSession worker(workerEnvironment(), kShippedWorker);
    for (const char* name : {"crash", "hang"}) {
        const std::optional<Fields> answer = worker.ask(operation(name, name), 5000);
        ASSERT_TRUE(answer) << name;
        EXPECT_EQ(number(*answer, Tag::Status), 2);
        EXPECT_EQ(field(*answer, Tag::Error),
                  QByteArray("unknown operation \"") + name + QByteArray("\""));
    }
    EXPECT_TRUE(worker.finish());
    EXPECT_EQ(worker.process().exitStatus(), QProcess::NormalExit);
}

TEST(WorkerTestRequests, CrashEndsTheWorkerAndHangNeverAnswers) {
    WorkerSession crashing(workerEnvironment(), kTestingWorker);
    EXPECT_FALSE(crashing.ask(operation("crash", "c"), 5000));
    EXPECT_TRUE(crashing.ended(5000));
    EXPECT_EQ(crashing.process().exitStatus(), QProcess::CrashExit);

    WorkerSession hanging(workerEnvironment(), kTestingWorker);
    EXPECT_FALSE(hanging.ask(operation("hang", "h"), 1000));
    EXPECT_EQ(hanging.process().state(), QProcess::Running);
    hanging.process().kill();
    hanging.process().waitForFinished();
}

TEST(WorkerLimits, AddressSpaceCoreFilesAndTheTimeOfEachRequest) {
    QTemporaryDir dir;
    WorkerSession worker;
    ASSERT_TRUE(worker.ask(textRequest(write(dir.path(), QStringLiteral("a.pdf"), multiPage()))));
    const QList<QByteArray> addressSpace =
        worker.procLine("limits", "Max address space").simplified().split(' ');
    EXPECT_EQ(addressSpace.value(3), QByteArray::number(2048ll << 20));
    EXPECT_EQ(worker.procLine("limits", "Max core file size").simplified().split(' ').value(4),
              "0");
    // The soft limit is the time used so far plus the budget; the hard one stays open.
    const QList<QByteArray> cpu = worker.procLine("limits", "Max cpu time").simplified().split(' ');
    EXPECT_GE(cpu.value(3).toInt(), 120);
    EXPECT_LE(cpu.value(3).toInt(), 125);
}

TEST(WorkerLimits, ADocumentThatNeverEndsRunsOutOfTime) {
    QTemporaryDir dir;
    const QString path = write(dir.path(), QStringLiteral("endless.pdf"), nestedForms(8, "q Q"));
    QProcessEnvironment environment = workerEnvironment();
    environment.insert(QStringLiteral("CORVANDER_EXTRACT_CPU_SECONDS"), QStringLiteral("1"));
    WorkerSession worker(environment);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(worker.ask(textRequest(path), 30000));
    EXPECT_TRUE(worker.ended(1000));
    EXPECT_EQ(worker.process().exitStatus(), QProcess::CrashExit);
    EXPECT_LT(clock.elapsed(), 15000);
}

TEST(WorkerLimits, ADocumentThatNeverStopsGrowingRunsOutOfMemory) {
    QTemporaryDir dir;
    const QString path = write(dir.path(), QStringLiteral("bomb.pdf"),
                               nestedForms(6, "BT /F1 9 Tf (" + QByteArray(200, 'w') + ") Tj ET"));
    QProcessEnvironment environment = workerEnvironment();
    environment.insert(QStringLiteral("CORVANDER_EXTRACT_MEMORY_MB"), QStringLiteral("256"));
    WorkerSession worker(environment);
    const std::optional<Fields> answer = worker.ask(textRequest(path), 60000);
    // Either the library gives up at once or the worker answers and ends; never a text.
    if (answer) {
        EXPECT_EQ(number(*answer, Tag::Status), 2);
        EXPECT_TRUE(worker.ended(5000));
        EXPECT_EQ(worker.process().exitCode(), 4);
    } else {
        EXPECT_TRUE(worker.ended(5000));
        EXPECT_EQ(worker.process().exitStatus(), QProcess::CrashExit);
    }
}

TEST(WorkerMemory, AHeavyDocumentGivesItsMemoryBack) {
    QTemporaryDir dir;
    // Ten thousand forms of a hundred letters each: over a hundred megabytes of laid-out text.
    const QString heavy = write(dir.path(), QStringLiteral("heavy.pdf"),
                                nestedForms(5, "BT /F1 9 Tf (" + QByteArray(100, 'w') + ") Tj ET"));
    const QString light = write(dir.path(), QStringLiteral("light.pdf"), multiPage());
    WorkerSession worker;
    ASSERT_TRUE(worker.ask(textRequest(heavy)));
    // The next answer comes after the worker has tidied up after the heavy one.
    ASSERT_TRUE(worker.ask(textRequest(light)));
    EXPECT_GT(kilobytes(worker.procLine("status", "VmHWM:")), 80 * 1024);
    EXPECT_LT(kilobytes(worker.procLine("status", "VmRSS:")), 40 * 1024);
}

// CORVANDER_WORKER_LOOP sets the number of documents, for a longer run by hand.
TEST(WorkerMemory, StaysFlatFromDocumentToDocument) {
    QTemporaryDir dir;
    PdfDocument rich = multiPage();
    rich.info = {{QStringLiteral("Title"), QStringLiteral("\u00dcberblick")}};
    rich.xmpMetadata = QStringLiteral("<x:xmpmeta>loop</x:xmpmeta>");
    const QStringList paths{write(dir.path(), QStringLiteral("rich.pdf"), rich),
                            write(dir.path(), QStringLiteral("shaped.pdf"), shapedPages()),
                            brokenFiles(dir.path()).first()};
    const int documents = qEnvironmentVariableIntValue("CORVANDER_WORKER_LOOP") > 0
                              ? qEnvironmentVariableIntValue("CORVANDER_WORKER_LOOP")
                              : 600;
    WorkerSession worker;
    int warmRss = 0;
    QElapsedTimer clock;
    for (int i = 0; i < documents; ++i) {
        if (i == documents / 4) {
            warmRss = kilobytes(worker.procLine("status", "VmRSS:"));
            clock.start();
        }
        const QString& path = paths[i % paths.size()];
        const std::optional<Fields> answer =
            worker.ask(i % 2 ? infoRequest(path) : textRequest(path, 0, 0));
        ASSERT_TRUE(answer);
    }
    const int finalRss = kilobytes(worker.procLine("status", "VmRSS:"));
    std::printf("worker RSS %d kB after %d documents (%d kB at a quarter); %.2f ms a document\n",
                finalRss, documents, warmRss,
                double(clock.elapsed()) / (documents - documents / 4));
    EXPECT_GT(warmRss, 0);
    EXPECT_LT(finalRss - warmRss, 1024);
    EXPECT_LT(finalRss, 60 * 1024);
}

} // namespace

} // namespace corvander
