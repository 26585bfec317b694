#pragma once

// A worker with OCR and the scanned letter its tests read.
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"
#include "tests/support/scanned_pages.h"
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

using corvander::protocol::Fields;
using corvander::protocol::Tag;
using namespace worker_documents;

constexpr int kScanDpi = 300;

const QStringList kLetter{QStringLiteral("Quarterly statement from Harbour Street Library"),
                          QStringLiteral("Payment is due within thirty days"),
                          QStringLiteral("Thank you for your custom")};

// The words of a text, apart at blanks, line ends and form feeds.
inline QStringList wordsOf(const QByteArray& text) {
    return QString::fromUtf8(text).split(QRegularExpression(QStringLiteral("[ \r\n\f]+")),
                                         Qt::SkipEmptyParts);
}

inline QStringList firstWords(const QByteArray& text, int count) {
    return wordsOf(text).mid(0, count);
}

inline int kilobytes(const QByteArray& statusLine) {
    return statusLine.simplified().split(' ').value(1).toInt();
}

// The scans are drawn once for all tests: drawing a page at 300 dpi takes a while.
class WorkerOcr : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new QTemporaryDir;
        PdfDocument printed;
        printed.pages = {kLetter};
        s_letter = new PdfGreyImage(renderedPage(printed, 1, kScanDpi).value_or(PdfGreyImage()));
    }
    static void TearDownTestSuite() {
        delete s_letter;
        delete s_folder;
    }

    void SetUp() override { ASSERT_GT(s_letter->width, 0) << "pdftoppm could not draw the letter"; }

    // A document of these pages: text lines, or the scanned letter where a page is null.
    static QString document(const QString& name, const QList<std::optional<QStringList>>& pages) {
        PdfDocument doc;
        for (const std::optional<QStringList>& page : pages) {
            if (page)
                doc.pages.append(*page);
            else
                addScannedPage(doc, *s_letter, kScanDpi);
        }
        return write(QDir(s_folder->path()), name, doc);
    }

    static QString scan() { return document(QStringLiteral("scan0001.pdf"), {std::nullopt}); }

    static inline QTemporaryDir* s_folder = nullptr;
    static inline PdfGreyImage* s_letter = nullptr;
    QProcessEnvironment environment = workerEnvironment();
    WorkerSession worker{environment};
};

} // namespace corvander
