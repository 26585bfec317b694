#include "tests/cli/program_runner.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvander {

namespace {

constexpr int kTimeLimitMs = 60000;

// The test's own environment without any display and with the runner's own folders.
QList<QByteArray> childEnvironment(const QString& home) {
    QList<QByteArray> environment;
    for (char** entry = environ; *entry; ++entry) {
        const QByteArray variable(*entry);
        const QByteArray name = variable.left(variable.indexOf('='));
        if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM" ||
            name == "XDG_CONFIG_HOME" || name == "XDG_STATE_HOME")
            continue;
        environment << variable;
    }
    environment << "XDG_CONFIG_HOME=" + QFile::encodeName(home + QStringLiteral("/config"));
    environment << "XDG_STATE_HOME=" + QFile::encodeName(home + QStringLiteral("/state"));
    return environment;
}

std::vector<char*> pointers(QList<QByteArray>& strings) {
    std::vector<char*> list;
    for (QByteArray& string : strings)
        list.push_back(string.data());
    list.push_back(nullptr);
    return list;
}

pid_t spawn(const QString& program, const QList<QByteArray>& arguments, const QString& home,
            const QString& workFolder, const QByteArray& outPath, const QByteArray& errPath,
            int errDescriptor = -1, int outDescriptor = -1) {
    QList<QByteArray> argv{QFile::encodeName(program)};
    argv += arguments;
    QList<QByteArray> envp = childEnvironment(home);
    std::vector<char*> argPointers = pointers(argv);
    std::vector<char*> envPointers = pointers(envp);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (outDescriptor >= 0)
        posix_spawn_file_actions_adddup2(&actions, outDescriptor, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (errDescriptor >= 0)
        posix_spawn_file_actions_adddup2(&actions, errDescriptor, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!workFolder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, QFile::encodeName(workFolder).constData());
    pid_t process = -1;
    if (::posix_spawn(&process, argPointers[0], &actions, nullptr, argPointers.data(),
                      envPointers.data()) != 0)
        process = -1;
    posix_spawn_file_actions_destroy(&actions);
    return process;
}

// The exit status, or -1; a process past the time limit is killed.
int waitFor(pid_t process, const std::function<void()>& meanwhile = {}) {
    const QDeadlineTimer deadline(kTimeLimitMs);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(process, &status, WNOHANG);
        if (done == process)
            break;
        if (done < 0 && errno != EINTR)
            return -1;
        if (deadline.hasExpired())
            ::kill(process, SIGKILL);
        if (meanwhile)
            meanwhile();
        else
            QThread::msleep(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray contentOf(const QByteArray& path) {
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QList<QByteArray> ProgramResult::lines() const {
    QList<QByteArray> split = out.split('\n');
    if (!split.isEmpty() && split.last().isEmpty())
        split.removeLast();
    return split;
}

ProgramRunner::ProgramRunner() {
    QDir().mkpath(m_home.filePath(QStringLiteral("config")));
    QDir().mkpath(m_home.filePath(QStringLiteral("state")));
}

ProgramResult ProgramRunner::run(const QList<QByteArray>& arguments, const QString& workFolder) {
    return finish(start(arguments, workFolder));
}

pid_t ProgramRunner::start(const QList<QByteArray>& arguments, const QString& workFolder) {
    const int number = ++m_started;
    const pid_t process = spawn(program, arguments, m_home.path(), workFolder,
                                QFile::encodeName(outputFile("out", number)),
                                QFile::encodeName(outputFile("err", number)));
    m_numbers.insert(process, number);
    return process;
}

ProgramResult ProgramRunner::finish(pid_t process) {
    ProgramResult result;
    if (process < 0)
        return result;
    result.status = waitFor(process);
    const int number = m_numbers.take(process);
    result.out = contentOf(QFile::encodeName(outputFile("out", number)));
    result.err = contentOf(QFile::encodeName(outputFile("err", number)));
    return result;
}

ProgramResult ProgramRunner::runOnTerminal(const QList<QByteArray>& arguments) {
    ProgramResult result;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return result;
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    const int number = ++m_started;
    const pid_t process = spawn(program, arguments, m_home.path(), {},
                                QFile::encodeName(outputFile("out", number)), {}, terminal);
    ::close(terminal);
    // The terminal holds little: it is read while the program runs, or the program would stop.
    const auto drain = [&] {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 10) <= 0 || !(ready.revents & POLLIN))
            return;
        char buffer[4096];
        const ssize_t size = ::read(master, buffer, sizeof buffer);
        if (size > 0)
            result.err.append(buffer, size);
    };
    result.status = process < 0 ? -1 : waitFor(process, drain);
    for (int i = 0; i < 10; ++i)
        drain();
    ::close(master);
    result.out = contentOf(QFile::encodeName(outputFile("out", number)));
    return result;
}

ProgramResult ProgramRunner::runIntoClosedPipe(const QList<QByteArray>& arguments) {
    ProgramResult result;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return result;
    // Gone before the program starts: its first line finds nobody to read it.
    ::close(ends[0]);
    const int number = ++m_started;
    const pid_t process = spawn(program, arguments, m_home.path(), {}, {},
                                QFile::encodeName(outputFile("err", number)), -1, ends[1]);
    ::close(ends[1]);
    result.status = process < 0 ? -1 : waitFor(process);
    result.err = contentOf(QFile::encodeName(outputFile("err", number)));
    return result;
}

QString ProgramRunner::outputFile(const char* kind, int number) const {
    return m_home.filePath(QStringLiteral("%1.%2").arg(QLatin1String(kind)).arg(number));
}

} // namespace corvander
