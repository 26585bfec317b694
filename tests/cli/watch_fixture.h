#pragma once

// An inbox and a results folder, and `corvander watch` started over them as a child process.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/test_files.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace corvander {

class Watch : public ::testing::Test {
protected:
    QString inbox() const { return work.filePath(QStringLiteral("inbox")); }
    QString results() const { return work.filePath(QStringLiteral("named")); }

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(inbox()));
        ASSERT_TRUE(QDir().mkpath(results()));
    }

    pid_t startWatch() {
        return program.start({"watch", "--words", "1", "--to", arg(results()), arg(inbox())});
    }

    QStringList resultNames() const {
        return QDir(results()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Waits (generously: a loaded machine is slow) until the results folder holds the names.
    bool resultsBecome(const QStringList& names, int milliseconds = 30000) const {
        const QDeadlineTimer deadline(milliseconds);
        while (resultNames() != names && !deadline.hasExpired())
            QThread::msleep(50);
        return resultNames() == names;
    }

    QByteArray line(const char* result, const QString& file, const QString& last) const {
        return QByteArray(result) + '\t' + arg(inbox() + QLatin1Char('/') + file) + '\t' +
               arg(last);
    }

    QTemporaryDir work;
    ProgramRunner program;
};

} // namespace corvander
