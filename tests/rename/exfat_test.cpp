// Copies into a real exFAT results folder, as on a USB stick: through FUSE, the file system that
// has neither unnamed files, renaming without replacing nor links.
#include "rename/clean_name.h"
#include "rename/leftovers.h"
#include "rename/safe_copy.h"
#include "rename/safe_copy_testing.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr long kFuseMagic = 0x65735546;

QString findTool(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"}) : found;
}

// Runs a tool; empty when it succeeded, else what went wrong.
QString run(const QString& tool, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return tool + QLatin1Char(' ') + arguments.join(' ') + QStringLiteral(": ") +
               QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return {};
}

// A fresh exFAT volume in an image file, attached to a loop device and mounted through FUSE.
class ExfatFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "attaching a loop device and mounting need root";
        for (const char* device : {"/dev/fuse", "/dev/loop-control"}) {
            if (!QFile::exists(QString::fromLatin1(device)))
                GTEST_SKIP() << device << " is missing";
        }
        const QString mkfs = findTool(QStringLiteral("mkfs.exfat"));
        const QString mountTool = findTool(QStringLiteral("mount.exfat-fuse"));
        m_losetup = findTool(QStringLiteral("losetup"));
        if (mkfs.isEmpty() || mountTool.isEmpty() || m_losetup.isEmpty())
            GTEST_SKIP() << "needs mkfs.exfat (exfatprogs), mount.exfat-fuse (exfat-fuse) and "
                            "losetup";

        const QString image = m_work.filePath(QStringLiteral("stick.img"));
        QFile imageFile(image);
        ASSERT_TRUE(imageFile.open(QIODevice::WriteOnly));
        ASSERT_TRUE(imageFile.resize(32 << 20));
        imageFile.close();
        if (const QString error = run(mkfs, {image}); !error.isEmpty())
            GTEST_SKIP() << error.toStdString();
        // mount.exfat-fuse run as root wants a block device.
        if (const QString error = run(m_losetup, {"-f", "--show", image}, &m_device);
            !error.isEmpty())
            GTEST_SKIP() << "no loop device: " << error.toStdString();
        m_mountPoint = m_work.filePath(QStringLiteral("stick"));
        QDir().mkpath(m_mountPoint);
        if (const QString error = run(mountTool, {m_device, m_mountPoint}); !error.isEmpty())
            GTEST_SKIP() << "cannot mount exFAT here: " << error.toStdString();
        m_mounted = true;
        struct statfs info {};
        if (::statfs(QFile::encodeName(m_mountPoint).constData(), &info) != 0 ||
            info.f_type != kFuseMagic)
            GTEST_SKIP() << "the exFAT volume did not appear at " << m_mountPoint.toStdString();

        safe_copy_testing::forgetFolders();
        source = m_work.filePath(QStringLiteral("in.pdf"));
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        out = m_mountPoint;
    }

    // Runs however a test ended, so that no mount or loop device outlives it.
    void TearDown() override {
        safe_copy_testing::setDuringCopy({});
        safe_copy_testing::forgetFolders();
        if (m_mounted) {
            const QByteArray point = QFile::encodeName(m_mountPoint);
            if (::umount2(point.constData(), 0) != 0)
                ::umount2(point.constData(), MNT_DETACH);
        }
        // A device still held by the exiting FUSE daemon is freed when it lets go.
        if (!m_device.isEmpty())
            run(m_losetup, {"-d", m_device});
    }

    QStringList entries() const {
        return QDir(out).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString source;
    QString out;
    const QByteArray content = QByteArray("%PDF-1.4 stick\n") + QByteArray(300000, 's');

private:
    QTemporaryDir m_work;
    QString m_losetup;
    QString m_device;
    QString m_mountPoint;
    bool m_mounted = false;
};

} // namespace

TEST_F(ExfatFolder, CopiesArriveWholeAndNothingStandingIsTouched) {
    {
        QFile taken(out + QStringLiteral("/Report.pdf"));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
        taken.write("theirs");
    }
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("folder.pdf")));

    // The names differ from what stands there in letter case only, which exFAT does not tell apart.
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("report"), false, out));
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("report"), false, out));
    EXPECT_TRUE(CopyWithCleanName(source, QStringLiteral("Folder"), false, out));

    EXPECT_EQ(safe_copy_testing::rememberedWay(out), CopyWay::Exclusive);
    EXPECT_EQ(entries(), (QStringList{"Folder!.pdf", "Report.pdf", "folder.pdf", "report!!.pdf",
                                      "report!.pdf"}));
    EXPECT_EQ(fileBytes(out + QStringLiteral("/Report.pdf")), "theirs");
    EXPECT_EQ(fileBytes(out + QStringLiteral("/report!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/report!!.pdf")), content);
    EXPECT_EQ(fileBytes(out + QStringLiteral("/Folder!.pdf")), content);
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/folder.pdf")).isDir());
}

TEST_F(ExfatFolder, AKilledCopyIsClearedAwayByTheNextRun) {
    const QString first = CopyToFreeName(source, out, QStringLiteral("first"));
    EXPECT_EXIT(
        {
            safe_copy_testing::setDuringCopy([] { ::raise(SIGKILL); });
            CopyToFreeName(source, out, QStringLiteral("killed"));
        },
        ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_TRUE(entries().contains(QStringLiteral("killed.pdf")));
    EXPECT_EQ(entries().size(), 3) << entries().join(' ').toStdString();

    corvander::removeLeftovers(out);
    EXPECT_EQ(entries(), QStringList{"first.pdf"});
    EXPECT_EQ(fileBytes(first), content);
    EXPECT_EQ(fileBytes(CopyToFreeName(source, out, QStringLiteral("killed"))), content);
    EXPECT_EQ(entries(), (QStringList{"first.pdf", "killed.pdf"}));
}
