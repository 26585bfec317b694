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
#include <gtest/gtest.h>

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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"tmp", "config", "home", "runtime"}) {
        const QString path = m_root.filePath(QString::fromLatin1(folder));
        ASSERT_TRUE(QDir().mkpath(path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TMPDIR"), m_root.filePath(QStringLiteral("tmp")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       m_root.filePath(QStringLiteral("runtime")));
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
