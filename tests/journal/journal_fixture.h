#pragma once

#include "copying/results_folder.h"
#include "copying/safe_copy.h"
#include "journal/run_journal.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace corvander {

// A full disk, as this process sees it while the limit stands: files may grow to `bytes` and no
// further, and a write beyond fails (instead of the signal that would end the test).
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) : m_savedSignal(std::signal(SIGXFSZ, SIG_IGN)) {
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        rlimit small = m_saved;
        small.rlim_cur = rlim_t(bytes);
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int);
};

// A state folder of the test's own (never the user's), a folder of sources and a results folder.
class JournalTest : public ::testing::Test {
protected:
    JournalTest() : m_savedState(qgetenv("XDG_STATE_HOME")) {
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }
    ~JournalTest() override { qputenv("XDG_STATE_HOME", m_savedState); }

    QString source(const QString& name, const QByteArray& bytes) {
        const QString path = sources.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    // A source and its copy in the results folder, as a run makes them.
    std::pair<QString, QString> sourceAndCopy(const QString& name, const QByteArray& bytes) {
        const QString from = source(name, bytes);
        return {from,
                CopyToFreeName(from, corvander::ResultsFolder(results.path()), withoutPdf(name))};
    }

    corvander::RunStart runStart(const QDateTime& time = QDateTime::currentDateTime()) const {
        return {time,
                QStringLiteral("content"),
                3,
                {QStringLiteral("x=3"), QStringLiteral("y=2")},
                results.path()};
    }

    QTemporaryDir state;
    QTemporaryDir sources;
    QTemporaryDir results;

private:
    static QString withoutPdf(const QString& name) {
        return name.endsWith(QStringLiteral(".pdf")) ? name.chopped(4) : name;
    }

    QByteArray m_savedState;
};

// The journal's lines, each without its line feed; the text after the last line feed is left out.
inline QList<QByteArray> wholeLines(const QString& path) {
    QList<QByteArray> lines = fileBytes(path).split('\n');
    lines.removeLast();
    return lines;
}

} // namespace corvander
