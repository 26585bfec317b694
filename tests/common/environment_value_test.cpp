// Numbers taken from the environment, by the program and by its worker: a value that is no number
// of its range is said on standard error and the default is used.
#include "common/event_loop_waiter.h"
#include "extract/extraction_pool.h"
#include "worker/worker_limits.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace corvander {

namespace {

// Sets a variable for the life of the object; a null value unsets it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// What is written on standard error while it lives.
class StandardError {
public:
    StandardError() {
        std::fflush(stderr);
        m_saved = ::dup(2);
        const QByteArray path = QFile::encodeName(m_folder.filePath(QStringLiteral("err")));
        const int file = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(file, 2);
        ::close(file);
    }
    ~StandardError() { restore(); }

    QByteArray text() {
        restore();
        QFile file(m_folder.filePath(QStringLiteral("err")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    void restore() {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryDir m_folder;
    int m_saved = -1;
};

// One value a variable is tried with: the number that results (none: the default), and whether
// one line on standard error says that the value is not taken.
struct Trial {
    const char* value; // null: the variable is not set
    std::optional<qint64> result;
    bool said;
};

const char* const kOverflowingSeconds[] = {"4294967", "4294968"};

// Tried with every variable.
const Trial kCommonTrials[] = {
    {nullptr, {}, false},
    {"", {}, false},
    {"abc", {}, true},
    {"12abc", {}, true},
    {"-5", {}, true},
    {"0", {}, true},
    {"99999999999999999999", {}, true},
    {kOverflowingSeconds[0], {}, true},
    {kOverflowingSeconds[1], {}, true},
};

template <typename Read>
void expectTrial(const char* name, const Trial& trial, qint64 defaultValue, Read read) {
    SCOPED_TRACE(std::string(name) + "=" + (trial.value ? trial.value : "(unset)"));
    const ScopedVariable variable(name, trial.value);
    StandardError error;
    const qint64 result = read();
    const QByteArray said = error.text();
    EXPECT_EQ(result, trial.result.value_or(defaultValue));
    if (!trial.said) {
        EXPECT_EQ(said, QByteArray());
        return;
    }
    EXPECT_EQ(said.count('\n'), 1) << said.constData();
    EXPECT_TRUE(said.contains(name)) << said.constData();
    EXPECT_TRUE(said.contains(QByteArray("\"") + trial.value + '"')) << said.constData();
    EXPECT_TRUE(said.contains(" from ")) << "the range is named: " << said.constData();
}

} // namespace

TEST(EnvironmentValues, TheProgramsVariablesTakeOnlyNumbersOfTheirRange) {
    const QString program = QStringLiteral(CORVANDER_EXTRACT_PROGRAM);
    const qint64 cores = std::clamp(QThread::idealThreadCount(), 1, 64);
    const struct {
        const char* name;
        qint64 defaultValue;
        std::function<qint64(const PoolSettings&)> field;
        QList<Trial> more;
    } variables[] = {
        {"CORVANDER_WORKERS",
         cores,
         [](const PoolSettings& s) { return qint64(s.workers); },
         {{"3", 3, false},
          {" 2 ", 2, false},
          {"64", 64, false},
          {"65", {}, true},
          {"2.5", {}, true}}},
        {"CORVANDER_EXTRACT_TIMEOUT",
         60000,
         [](const PoolSettings& s) { return qint64(s.timeoutMilliseconds); },
         {{"2", 2000, false}, {"86400", 86400000, false}, {"86401", {}, true}, {"1e3", {}, true}}},
        {"CORVANDER_OCR_TIMEOUT",
         120000,
         [](const PoolSettings& s) { return qint64(s.ocrPageTimeoutMilliseconds); },
         {{"0.5", 500, false},
          {"30", 30000, false},
          {"0.001", 1, false},
          {"0.0001", {}, true},
          {"nan", {}, true},
          {"inf", {}, true}}},
    };
    for (const auto& variable : variables) {
        QList<Trial> trials(std::begin(kCommonTrials), std::end(kCommonTrials));
        trials += variable.more;
        for (const Trial& trial : trials)
            expectTrial(variable.name, trial, variable.defaultValue,
                        [&] { return variable.field(PoolSettings::fromEnvironment(program)); });
    }
}

TEST(EnvironmentValues, TheWorkersVariablesTakeOnlyNumbersOfTheirRange) {
    using namespace corvander::worker;
    const struct {
        const char* name;
        qint64 defaultValue;
        std::function<qint64(const Limits&)> field;
        QList<Trial> more;
    } variables[] = {
        {kMemoryVariable,
         2048,
         [](const Limits& l) { return qint64(l.addressSpaceBytes >> 20); },
         {{"256", 256, false},
          {"+512", 512, false},
          {"127", {}, true},
          {"1048576", 1048576, false},
          {"1048577", {}, true},
          {"18446744073709551615", {}, true}}},
        {kCpuSecondsVariable,
         120,
         [](const Limits& l) { return qint64(l.cpuSecondsPerRequest); },
         {{"1", 1, false}, {"86400", 86400, false}, {"86401", {}, true}}},
    };
    for (const auto& variable : variables) {
        QList<Trial> trials(std::begin(kCommonTrials), std::end(kCommonTrials));
        trials += variable.more;
        for (const Trial& trial : trials) {
            // The worker reads them, and the program says what is wrong with them, since the
            // worker's standard error goes nowhere.
            expectTrial(variable.name, trial, variable.defaultValue,
                        [&] { return variable.field(limitsFromEnvironment()); });
            if (trial.said) {
                const ScopedVariable set(variable.name, trial.value);
                StandardError error;
                PoolSettings::fromEnvironment(QStringLiteral(CORVANDER_EXTRACT_PROGRAM));
                EXPECT_TRUE(error.text().contains(variable.name)) << "the program says it too";
            }
        }
    }
}

// The value that overflowed the milliseconds of an int: 4294968 seconds made a limit of 0.7 s.
TEST(EnvironmentValues, AnOverflowingTimeoutLeavesTheRealPoolItsDefaultLimit) {
    QTemporaryDir folder;
    // Nobody writes to the pipe: a worker that opens it as a PDF waits until its time is up.
    const QString pipe = folder.filePath(QStringLiteral("hang.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const char* seconds : kOverflowingSeconds) {
        SCOPED_TRACE(seconds);
        const ScopedVariable timeout("CORVANDER_EXTRACT_TIMEOUT", seconds);
        StandardError quiet;
        corvander::ExtractionPool pool(
            PoolSettings::fromEnvironment(QStringLiteral(CORVANDER_EXTRACT_PROGRAM)));
        EXPECT_EQ(pool.settings().timeoutMilliseconds, 60000);
        const auto ticket = pool.submit(corvander::ExtractRequest::wholeText(pipe));
        corvander::EventLoopWaiter waiter;
        QElapsedTimer clock;
        clock.start();
        waiter.waitUntil([&] { return pool.isFinished(ticket) || clock.elapsed() > 2000; }, [] {});
        EXPECT_FALSE(pool.isFinished(ticket)) << "given up after " << clock.elapsed() << " ms";
        pool.shutdown();
    }
}

} // namespace corvander
