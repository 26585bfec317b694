// A settings file that is no regular file: the window starts all the same and ends on a signal.
#include "tests/app/signal_probes.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/process_probe.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace corvander {

namespace {

// A settings file that is no regular file: reading it would wait for ever (a pipe) or never
// end (a device).
enum class NoFile { Pipe, Folder, LinkToDevice };

class SettingsNoFile : public ::testing::TestWithParam<NoFile> {
protected:
    QTemporaryDir m_root;
};

mode_t typeAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

TEST_P(SettingsNoFile, TheWindowStartsWithItsMessageAndEndsOnASignal) {
    const QProcessEnvironment environment = isolatedEnvironment(m_root);
    const QString file = m_root.filePath(QStringLiteral("config/Fernwick.ini"));
    const QByteArray encoded = QFile::encodeName(file);
    mode_t type = 0;
    switch (GetParam()) {
    case NoFile::Pipe:
        ASSERT_EQ(::mkfifo(encoded.constData(), 0600), 0);
        type = S_IFIFO;
        break;
    case NoFile::Folder:
        ASSERT_TRUE(QDir().mkdir(file));
        type = S_IFDIR;
        break;
    case NoFile::LinkToDevice: {
        // A device like /dev/zero of the test's own: were the settings ever saved through the
        // link, only this one would be replaced.
        const QByteArray zero = QFile::encodeName(m_root.filePath(QStringLiteral("zero")));
        if (::mknod(zero.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
            GTEST_SKIP() << "cannot make a device node here (needs the right to)";
        ASSERT_EQ(::symlink(zero.constData(), encoded.constData()), 0);
        type = S_IFLNK;
        break;
    }
    }

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(CORVANDER_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The signal is caught once an event loop runs: here the loop of the message about the
    // settings file, which the start-up shows before it reads or writes any setting.
    QElapsedTimer waited;
    waited.start();
    while (!catches(program.processId(), SIGTERM) && waited.elapsed() < 20000 &&
           program.state() == QProcess::Running)
        QThread::msleep(20);
    const bool started = catches(program.processId(), SIGTERM);
    EXPECT_TRUE(started) << "the start never reached an event loop";
    EXPECT_EQ(typeAt(file + QStringLiteral(".unreadable")), type) << "kept aside as it was";
    EXPECT_EQ(typeAt(file), mode_t(0)) << "nothing written while the message waits";

    ::kill(pid_t(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(5000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    EXPECT_TRUE(ended) << "still running 5 seconds after the signal";
    if (started) {
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsNoFile,
                         ::testing::Values(NoFile::Pipe, NoFile::Folder, NoFile::LinkToDevice),
                         [](const auto& info) {
                             switch (info.param) {
                             case NoFile::Pipe:
                                 return std::string("Pipe");
                             case NoFile::Folder:
                                 return std::string("Folder");
                             case NoFile::LinkToDevice:
                                 return std::string("LinkToDevice");
                             }
                             return std::string();
                         });

} // namespace corvander
