#pragma once

// Test PDFs and copies of the program for the command line's contract tests.
#include "tests/cli/program_runner.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/scanned_pages.h"
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace corvander {

class ContractTest : public ::testing::Test {
protected:
    QString pdf(const QString& relative, const QString& text) {
        const QString path = sources.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(writePdf(path, pdfOfPages({text})));
        return path;
    }

    // A copy of the program alone in a folder, with the worker beside it or not.
    QString programCopy(const QByteArray& workerContent = {}) {
        const QString copy = tools.filePath(QStringLiteral("corvander"));
        EXPECT_TRUE(QFile::copy(program.program, copy));
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ExeOwner);
        if (!workerContent.isEmpty()) {
            QFile worker(tools.filePath(QStringLiteral("corvander-extract")));
            EXPECT_TRUE(worker.open(QIODevice::WriteOnly));
            worker.write(workerContent);
            worker.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        }
        return copy;
    }

    QTemporaryDir sources;
    QTemporaryDir results;
    QTemporaryDir tools;
    ProgramRunner program;
};

} // namespace corvander
