// Copies flushed one by one while a run goes on: nothing of theirs stays open, a failed flush is
// told by the folder's flush at the end, and a disk slower than the run holds few descriptors.
#include "copying/copy_flusher.h"
#include "copying/results_folder.h"
#include "copying/safe_copy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace corvander {

namespace {

int openDescriptors() {
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

QString writeSource(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath(QStringLiteral("in.pdf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(CopyFlusher, CopiesAreWholeAndNothingOfThemStaysOpenOnceTheFolderIsFlushed) {
    QTemporaryDir sources;
    QTemporaryDir results;
    const QByteArray content(200000, 'x');
    const QString source = writeSource(sources, content);
    const ResultsFolder folder(results.path());
    const int before = openDescriptors();
    QStringList copies;
    for (int i = 0; i < 20; ++i)
        copies << CopyToFreeName(source, folder, QStringLiteral("copy"));
    ASSERT_EQ(folder.flushToDisk(), 0);
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_EQ(QDir(results.path()).entryList(QDir::Files).size(), 20);
    for (const QString& copy : copies) {
        QFile file(copy);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(copy);
        EXPECT_EQ(file.readAll(), content);
    }
}

TEST(CopyFlusher, AFlushThatFailsIsToldOnceByTheFolderFlush) {
    QTemporaryDir results;
    const ResultsFolder folder(results.path());
    int pipeEnds[2];
    ASSERT_EQ(::pipe2(pipeEnds, O_CLOEXEC), 0);
    const int before = openDescriptors();
    // A pipe cannot be flushed: its flush fails as a copy's would on a failing disk.
    folder.flusher()->add(pipeEnds[1]);
    // The flusher's own descriptor of it goes once it was flushed; what still waits when the
    // folder is flushed is left to the flush of the whole file system.
    QDeadlineTimer deadline(5000);
    while (openDescriptors() > before && !deadline.hasExpired())
        QThread::msleep(1);
    EXPECT_EQ(folder.flushToDisk(), EINVAL);
    EXPECT_EQ(folder.flushToDisk(), 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(CopyFlusher, ASlowDiskHoldsAtMostItsShareOfDescriptors) {
    QTemporaryDir results;
    QFile file(writeSource(results, "%PDF-1.4"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const int before = openDescriptors();
    {
        CopyFlusher flusher;
        for (int i = 0; i < 10 * CopyFlusher::kMostWaiting; ++i)
            flusher.add(file.handle());
        // Those waiting, and the one being flushed.
        EXPECT_LE(openDescriptors(), before + CopyFlusher::kMostWaiting + 1);
    }
    EXPECT_EQ(openDescriptors(), before);
}

} // namespace corvander
