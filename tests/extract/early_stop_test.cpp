// The worker reads a document only as far as the name needs: on every document the tests make and
// on the samples, that gives the names, skip reasons, provenance and check results of reading it
// whole, from text that is exactly the start of what pdftotext writes.
#include "common/event_loop_waiter.h"
#include "extract/check.h"
#include "extract/extraction_pool.h"
#include "extract/text_reading.h"
#include "extract/waiting_progress.h"
#include "naming/content_request.h"
#include "naming/file_planner.h"
#include "tests/extract/reference_tools.h"
#include "tests/extract/worker_documents.h"
#include "tests/extract/worker_session.h"
#include "tests/support/scanned_pages.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

struct ModeCase {
    int mode;
    int count;
    int page = 0;
    QString wordList;
    QString searchText;
};

class EarlyStop : public ::testing::Test {
protected:
    ExtractResult read(const ExtractRequest& request) {
        return corvander::extractNow(pool, waiter, request);
    }

    // Every kind of document the tests make, and the samples.
    QStringList corpus() {
        using namespace worker_documents;
        const QDir folder(dir.path());
        QStringList paths{write(folder, QStringLiteral("report.pdf"), multiPage()),
                          write(folder, QStringLiteral("shaped.pdf"), shapedPages())};
        paths += brokenFiles(folder);
        paths << write(folder, QStringLiteral("invoice.pdf"),
                       pdfOfPages({QStringLiteral("Invoice  No: 123"), QStringLiteral("Date 2021"),
                                   QStringLiteral("Invoice No 4711 Date 2021")}))
              << write(folder, QStringLiteral("late.pdf"),
                       pdfOfPages({{}, {}, QStringLiteral("Late words here"), {}}));
        PdfDocument images;
        images.pages = {{QStringLiteral("hidden")}, {QStringLiteral("hidden")}};
        images.imageOnly = true;
        paths << write(folder, QStringLiteral("images.pdf"), images);
        PdfDocument locked = multiPage();
        locked.encryption = PdfEncryption{"open sesame", "master key", -4};
        paths << write(folder, QStringLiteral("locked.pdf"), locked);
        // Scans: a blank scanned page, then text, then a page drawn from a printed one.
        PdfDocument scans;
        addScannedPage(scans, plainPicture(850, 1100), 100);
        scans.pages.append({QStringLiteral("Between two scans")});
        if (const auto printed = renderedPage(multiPage(), 1, 100))
            addScannedPage(scans, *printed, 100);
        paths << write(folder, QStringLiteral("scans.pdf"), scans);
        const QDir samples(QStringLiteral(CORVANDER_SAMPLES));
        for (const QString& name : samples.entryList({QStringLiteral("*.pdf")}, QDir::Files))
            paths << samples.filePath(name);
        return paths;
    }

    // Search texts in no page, in one, in mixed case, and one across each page break of the
    // document: the end of a page, its form feed and the next page's first letters.
    static QStringList searchTexts(const ExtractResult& whole) {
        QStringList texts{QStringLiteral("zebra"),      QStringLiteral("ALN valley"),
                          QStringLiteral("invoice NO"), QStringLiteral("line  \f\fpage four"),
                          QStringLiteral("the"),        QStringLiteral("Signed")};
        const QString prepared = prepareText(decodeExtractedText(whole.text));
        for (qsizetype at = prepared.indexOf(QLatin1Char('\f'));
             at >= 0 && at + 4 < prepared.size(); at = prepared.indexOf(QLatin1Char('\f'), at + 1))
            texts << prepared.mid(std::max<qsizetype>(0, at - 5), 9).toUpper();
        return texts;
    }

    static QList<ModeCase> modeCases(const ExtractResult& whole) {
        QList<ModeCase> cases;
        for (const int count : {0, 1, 2, 5, 12, 400})
            cases.append({0, count, 0, {}, {}});
        cases.append({1, 2, 0, {}, {}});
        cases.append({2, 2, 0, {}, {}});
        cases.append({3, 2, 3, {}, {}});
        cases.append({4, 2, 1, QStringLiteral("2,3"), {}});
        for (const QString& search : searchTexts(whole)) {
            for (const int count : {0, 1, 3}) {
                cases.append({5, count, 0, {}, search});
                cases.append({6, count, 0, {}, search});
            }
        }
        return cases;
    }

    QProcessEnvironment environment = workerEnvironment();
    QTemporaryDir dir;
    corvander::EventLoopWaiter waiter;
    ExtractionPool pool{corvander::PoolSettings{CORVANDER_EXTRACT_PROGRAM, 2, 60000, 120000}};
};

TEST_F(EarlyStop, NamesSkipsProvenanceAndChecksAreThoseOfTheWholeDocument) {
    const QStringList paths = corpus();
    ASSERT_EQ(paths.size(), 16);
    for (const QString& path : paths) {
        const ExtractResult whole = read(ExtractRequest::wholeText(path));
        const ToolResult tool = runPdftotext(path, {}, environment);
        for (const ModeCase& c : modeCases(whole)) {
            const std::string what =
                (path + QStringLiteral(" mode %1 count %2 page %3 list \"%4\" search \"%5\"")
                            .arg(c.mode)
                            .arg(c.count)
                            .arg(c.page)
                            .arg(c.wordList, c.searchText))
                    .toStdString();
            const auto request =
                contentRequest(c.mode, path, c.count, c.page, c.wordList, c.searchText);
            ASSERT_TRUE(request) << what;
            const ExtractResult early = read(*request);
            // The page modes read what they always read; the others are held to the whole text.
            const ExtractResult& reference = c.mode >= 1 && c.mode <= 4 ? early : whole;
            const PlannedFile planned = corvander::planByContent(c.mode, path, c.count, c.page,
                                                                 c.wordList, c.searchText, early);
            const PlannedFile expected = corvander::planByContent(
                c.mode, path, c.count, c.page, c.wordList, c.searchText, reference);
            EXPECT_EQ(planned.name, expected.name) << what;
            EXPECT_EQ(planned.skip, expected.skip) << what;
            EXPECT_EQ(planned.provenance.describe(), expected.provenance.describe()) << what;
            EXPECT_LE(early.pagesRead, std::max(whole.pagesRead, 1)) << what;
            if (early.hasText() && early.textOffset == 0 && (c.mode == 0 || c.mode >= 5)) {
                EXPECT_TRUE(tool.output.startsWith(early.text)) << what;
            }
        }
        const ExtractResult checked =
            read(corvander::ExtractRequest::textUntil(path, corvander::StopRule::bytes(10)));
        EXPECT_EQ(corvander::readabilityOf(checked), corvander::readabilityOf(whole))
            << path.toStdString();
        EXPECT_EQ(whole.text, tool.output) << path.toStdString();
    }
    // Every case of every document was read: some nine hundred readings.
    EXPECT_GT(pool.requestsSent(), 800);
}

TEST_F(EarlyStop, OnlyThePagesTheNameNeedsAreRead) {
    PdfDocument manual;
    for (int page = 1; page <= 300; ++page)
        manual.pages.append({QStringLiteral("Chapter %1 of the service manual").arg(page),
                             QStringLiteral("Torque settings and wiring diagrams")});
    const QString path = worker_documents::write(QDir(dir.path()), "manual.pdf", manual);
    const auto pagesRead = [&](int mode, int count, const QString& searchText = {}) {
        return read(*contentRequest(mode, path, count, 0, {}, searchText)).pagesRead;
    };
    EXPECT_EQ(pagesRead(0, 5), 1);
    EXPECT_EQ(pagesRead(5, 2, QStringLiteral("service")), 1);
    EXPECT_EQ(pagesRead(6, 2, QStringLiteral("wiring")), 1);
    EXPECT_EQ(pagesRead(5, 2, QStringLiteral("Chapter 200 ")), 200);
    EXPECT_EQ(pagesRead(5, 2, QStringLiteral("zebra")), 300);
    EXPECT_EQ(pagesRead(0, 100000), 300);
    EXPECT_EQ(
        read(corvander::ExtractRequest::textUntil(path, corvander::StopRule::bytes(10))).pagesRead,
        1);
    EXPECT_EQ(read(ExtractRequest::wholeText(path)).pagesRead, 300);
}

} // namespace

} // namespace corvander
