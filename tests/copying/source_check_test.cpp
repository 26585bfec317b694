// The copy is made only from the state of the source its name was made from.
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvander {

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SourceCheck : public ::testing::Test {
protected:
    QStringList entries() const {
        return QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    QString source = sources.filePath(QStringLiteral("in.pdf"));
    QString out = results.path();
    const QByteArray content = QByteArray("%PDF-1.4 body\n") + QByteArray(100000, 'x');
};

} // namespace

// The source is copied only while it is still the file whose text named it: replaced by another
// file of the same size and time, grown, or only touched since, it is not copied at all.
TEST_F(SourceCheck, ASourceChangedSinceItWasReadIsNotCopied) {
    const auto setTime = [](const QString& path, const timespec& time) {
        const timespec times[2] = {time, time};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    };
    const struct {
        const char* what;
        std::function<void(const QString& path, const timespec& read)> change;
    } cases[] = {
        {"replaced",
         [&](const QString& path, const timespec& read) {
             const QString other = path + QStringLiteral(".new");
             writeFile(other, content);
             setTime(other, read);
             ASSERT_EQ(::rename(QFile::encodeName(other).constData(),
                                QFile::encodeName(path).constData()),
                       0);
         }},
        {"grown",
         [&](const QString& path, const timespec& read) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("more");
             file.close();
             setTime(path, read);
         }},
        {"touched",
         [&](const QString& path, const timespec& read) {
             setTime(path, {read.tv_sec, read.tv_nsec ^ 1});
         }},
    };
    for (const auto& c : cases) {
        writeFile(source, content);
        const std::optional<corvander::FileIdentity> read = corvander::identityOfFile(source);
        ASSERT_TRUE(read);
        const timespec readTime{time_t(read->modifiedNanoseconds / 1000000000),
                                long(read->modifiedNanoseconds % 1000000000)};
        c.change(source, readTime);
        EXPECT_THROW(CopyToFreeName(source, ResultsFolder(out), QStringLiteral("changed"), read),
                     SourceChanged)
            << c.what;
        EXPECT_TRUE(entries().isEmpty()) << c.what << ": " << entries().join(' ').toStdString();
        // Read again, it is copied.
        const QString made = CopyToFreeName(source, ResultsFolder(out), QStringLiteral("changed"),
                                            corvander::identityOfFile(source));
        EXPECT_EQ(fileBytes(made), fileBytes(source)) << c.what;
        QFile::remove(made);
    }
}

} // namespace corvander
