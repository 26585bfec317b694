// Copies into a real exFAT results folder, as on a USB stick: through FUSE, a file system with
// neither unnamed files, renaming without replacing nor links.
#include "copying/copy_with_clean_name.h"
#include "copying/leftovers.h"
#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "tests/copying/provoking_calls.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace corvander {

namespace {

// Runs a tool found on the PATH or in the system folders; empty when it succeeded, else why not.
QString run(const QString& name, const QStringList& arguments, QString* output = nullptr) {
    QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty())
        tool = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"});
    if (tool.isEmpty())
        return name + QStringLiteral(" is not installed");
    QProcess process;
    process.start(tool, arguments);
    const bool done = process.waitForFinished(30000);
    if (!done || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return name + QLatin1Char(' ') + arguments.join(' ') + QStringLiteral(": ") +
               QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return {};
}

// A fresh exFAT volume in an image file, on a loop device (mount.exfat-fuse run as root wants a
// block device), mounted through FUSE for each test and always taken down after it.
class ExfatFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "attaching a loop device and mounting need root";
        for (const char* device : {"/dev/fuse", "/dev/loop-control"}) {
            if (!QFile::exists(QString::fromLatin1(device)))
                GTEST_SKIP() << device << " is missing";
        }
        const QString image = m_work.filePath(QStringLiteral("stick.img"));
        QFile imageFile(image);
        ASSERT_TRUE(imageFile.open(QIODevice::WriteOnly) && imageFile.resize(32 << 20));
        imageFile.close();
        out = m_work.filePath(QStringLiteral("stick"));
        QDir().mkpath(out);
        QString error = run(QStringLiteral("mkfs.exfat"), {image});
        if (error.isEmpty())
            error = run(QStringLiteral("losetup"), {"-f", "--show", image}, &m_device);
        if (error.isEmpty())
            error = run(QStringLiteral("mount.exfat-fuse"), {m_device, out});
        m_mounted = error.isEmpty();
        struct statfs info {};
        if (error.isEmpty() && (::statfs(QFile::encodeName(out).constData(), &info) != 0 ||
                                info.f_type != 0x65735546 /* FUSE */))
            error = QStringLiteral("no FUSE file system appeared at ") + out;
        if (!error.isEmpty())
            GTEST_SKIP() << "cannot mount exFAT here: " << error.toStdString();

        calls = std::make_unique<ProvokingCalls>(out);
        source = m_work.filePath(QStringLiteral("in.pdf"));
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void TearDown() override {
        if (m_mounted && ::umount2(QFile::encodeName(out).constData(), 0) != 0)
            ::umount2(QFile::encodeName(out).constData(), MNT_DETACH);
        // A device the exiting FUSE daemon still holds is freed when it lets go.
        if (!m_device.isEmpty())
            run(QStringLiteral("losetup"), {"-d", m_device});
    }

    QStringList entries() const {
        return QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                   QDir::Name);
    }

    QString source;
    QString out;
    // Every copy onto the stick goes through these.
    std::unique_ptr<ProvokingCalls> calls;
    const QByteArray content = QByteArray("%PDF-1.4 stick\n") + QByteArray(300000, 's');

private:
    QTemporaryDir m_work;
    QString m_device;
    bool m_mounted = false;
};

} // namespace

TEST_F(ExfatFolder, CopiesArriveWholeAndNothingStandingIsTouched) {
    QFile taken(out + QStringLiteral("/Report.pdf"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("theirs");
    taken.close();
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("folder.pdf")));

    // exFAT does not tell names apart by letter case.
    EXPECT_TRUE(
        CopyWithCleanName(source, QStringLiteral("report"), false, ResultsFolder(out, *calls)));
    EXPECT_TRUE(
        CopyWithCleanName(source, QStringLiteral("report"), false, ResultsFolder(out, *calls)));
    EXPECT_TRUE(
        CopyWithCleanName(source, QStringLiteral("Folder"), false, ResultsFolder(out, *calls)));

    EXPECT_EQ(calls->rememberedWay(out), CopyWay::Exclusive);
    EXPECT_EQ(entries(), (QStringList{"Folder!.pdf", "Report.pdf", "folder.pdf", "report!!.pdf",
                                      "report!.pdf"}));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/Report.pdf")), "theirs");
    for (const char* copy : {"/report!.pdf", "/report!!.pdf", "/Folder!.pdf"})
        EXPECT_EQ(fileBytes(out + QLatin1String(copy)), content) << copy;
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/folder.pdf")).isDir());
}

TEST_F(ExfatFolder, AKilledCopyIsClearedAwayByTheNextRun) {
    const QString first =
        CopyToFreeName(source, ResultsFolder(out, *calls), QStringLiteral("first"));
    EXPECT_EXIT(
        {
            calls->duringCopy = [] { ::raise(SIGKILL); };
            CopyToFreeName(source, ResultsFolder(out, *calls), QStringLiteral("killed"));
        },
        ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_TRUE(entries().contains(QStringLiteral("killed.pdf")));
    EXPECT_EQ(entries().size(), 3) << entries().join(' ').toStdString();

    corvander::removeLeftovers(ResultsFolder(out, *calls));
    EXPECT_EQ(entries(), QStringList{"first.pdf"});
    EXPECT_EQ(fileBytes(first), content);
    EXPECT_EQ(
        fileBytes(CopyToFreeName(source, ResultsFolder(out, *calls), QStringLiteral("killed"))),
        content);
}

} // namespace corvander
