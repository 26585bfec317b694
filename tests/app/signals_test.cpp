// The real program, told to end by a signal: it must end the way closing its window does.
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

struct Case {
    int signal;
    bool boxOpen; // an error box from the start-up waits for an answer when the signal comes
    const char* label;
};

class EndBySignal : public ::testing::TestWithParam<Case> {
protected:
    QStringList inTemp() const {
        return QDir(m_root.filePath(QStringLiteral("tmp")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_root;
};

// The program's own folders under root, and the offscreen platform.
QProcessEnvironment isolatedEnvironment(const QTemporaryDir& root) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"tmp", "config", "home", "runtime"}) {
        const QString path = root.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TMPDIR"), root.filePath(QStringLiteral("tmp")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    return environment;
}

// True once the process catches the signal (its handler is in place).
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:"))
            continue;
        bool ok = false;
        const quint64 mask = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && (mask >> (signal - 1)) & 1U;
    }
    return false;
}

// The processes the program started and that still run.
QList<qint64> childrenOf(qint64 pid) {
    QList<qint64> children;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& child : list.readAll().simplified().split(' '))
            if (!child.isEmpty())
                children << child.toLongLong();
    }
    return children;
}

} // namespace

TEST_P(EndBySignal, EndsPromptlyAndLeavesNothingInTheTemporaryFolder) {
    const QProcessEnvironment environment = isolatedEnvironment(m_root);
    if (GetParam().boxOpen) {
        QFile settings(m_root.filePath(QStringLiteral("config/Fernwick.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Corvander]\nCombo1Index=abc\n");
    }

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A file to open, so that the program's workers run when the signal comes.
    const QString pdf = m_root.filePath(QStringLiteral("home/a.pdf"));
    ASSERT_TRUE(writePdf(pdf, pdfOfPages({QStringLiteral("Alpha beta")})));
    program.start(QStringLiteral(CORVANDER_PROGRAM), {pdf});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Wait until the program catches the signal, and a little longer so that its window (or
    // the start-up's box) is up.
    QElapsedTimer waited;
    waited.start();
    while (!catches(program.processId(), GetParam().signal) && waited.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(catches(program.processId(), GetParam().signal)) << "the signal is not caught";
    QThread::msleep(500);
    // With no box in the way, the file's check has started the workers.
    QList<qint64> workers;
    while (!GetParam().boxOpen && workers.isEmpty() && waited.elapsed() < 20000) {
        workers = childrenOf(program.processId());
        QThread::msleep(20);
    }
    if (!GetParam().boxOpen) {
        ASSERT_FALSE(workers.isEmpty()) << "no worker started";
    }
    ASSERT_EQ(program.state(), QProcess::Running);

    ::kill(pid_t(program.processId()), GetParam().signal);
    waited.restart();
    const bool ended = program.waitForFinished(5000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    ASSERT_TRUE(ended) << "still running 5 seconds after the signal";
    EXPECT_LT(waited.elapsed(), 2000);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "killed by the signal itself";
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(inTemp().isEmpty()) << inTemp().join(' ').toStdString();
    for (const qint64 pid : workers)
        EXPECT_TRUE(processEnds(pid)) << "worker " << pid << " outlived the program";
}

INSTANTIATE_TEST_SUITE_P(
    Signals, EndBySignal,
    ::testing::Values(Case{SIGTERM, false, "TermIdle"}, Case{SIGINT, false, "IntIdle"},
                      Case{SIGHUP, false, "HupIdle"}, Case{SIGTERM, true, "TermInABox"},
                      Case{SIGINT, true, "IntInABox"}, Case{SIGHUP, true, "HupInABox"}),
    [](const auto& info) { return std::string(info.param.label); });

namespace {

// Where the start is held: a file it reads is a pipe that nobody writes to.
enum class Hold {
    WindowDesktopFolder, // the window, reading where the desktop folder is
    CommandPasswordFile, // a command, reading its password file
};

struct HeldCase {
    int signal;
    Hold hold;
    const char* label;
};

class HeldStart : public ::testing::TestWithParam<HeldCase> {
protected:
    QTemporaryDir m_root;
};

// True while the process waits in opening a pipe that no one writes to.
bool waitsForAWriter(qint64 pid) {
    QFile channel(QStringLiteral("/proc/%1/wchan").arg(pid));
    return channel.open(QIODevice::ReadOnly) && channel.readAll() == "wait_for_partner";
}

} // namespace

// Until its event loop runs, nothing would act on a caught signal: it must end the program.
TEST_P(HeldStart, ASignalEndsAProgramHeldBeforeItsEventLoopRuns) {
    const QProcessEnvironment environment = isolatedEnvironment(m_root);
    const QString pdf = m_root.filePath(QStringLiteral("home/a.pdf"));
    ASSERT_TRUE(writePdf(pdf, pdfOfPages({QStringLiteral("Alpha beta")})));
    const bool window = GetParam().hold == Hold::WindowDesktopFolder;
    const QString pipe = window ? m_root.filePath(QStringLiteral("config/user-dirs.dirs"))
                                : m_root.filePath(QStringLiteral("home/password"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(CORVANDER_PROGRAM),
                  window ? QStringList{}
                         : QStringList{QStringLiteral("check"), QStringLiteral("--password-file"),
                                       pipe, pdf});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Opening a pipe for reading waits until a writer comes; the test comes only at the end.
    QElapsedTimer waited;
    waited.start();
    while (!waitsForAWriter(program.processId()) && waited.elapsed() < 20000 &&
           program.state() == QProcess::Running)
        QThread::msleep(20);
    ASSERT_TRUE(waitsForAWriter(program.processId()))
        << "the program never waited for " << pipe.toStdString();

    ::kill(pid_t(program.processId()), GetParam().signal);
    const bool ended = program.waitForFinished(5000);
    if (!ended) {
        // Let it go on, and end it.
        const int writer =
            ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        program.kill();
        program.waitForFinished();
        if (writer >= 0)
            ::close(writer);
    }
    EXPECT_TRUE(ended) << "still running 5 seconds after the signal";
}

INSTANTIATE_TEST_SUITE_P(
    Signals, HeldStart,
    ::testing::Values(HeldCase{SIGTERM, Hold::WindowDesktopFolder, "TermWindow"},
                      HeldCase{SIGINT, Hold::WindowDesktopFolder, "IntWindow"},
                      HeldCase{SIGHUP, Hold::WindowDesktopFolder, "HupWindow"},
                      HeldCase{SIGTERM, Hold::CommandPasswordFile, "TermCommand"},
                      HeldCase{SIGHUP, Hold::CommandPasswordFile, "HupCommand"}),
    [](const auto& info) { return std::string(info.param.label); });

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
