#include "extract/extraction_pool.h"
#include "extract/waiting_progress.h"
#include "run/rename_by_metadata.h"
#include "run/rename_context.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/test_files.h"
#include "tests/support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

namespace corvander {

namespace {

PdfDocument documentWith(const QMap<QString, QString>& info, int pages = 1) {
    PdfDocument doc;
    for (int i = 1; i <= pages; ++i)
        doc.pages.append(QStringList{QStringLiteral("Page %1 of the report").arg(i)});
    doc.info = info;
    return doc;
}

} // namespace

// Renames real PDFs through the real information extractor into a results folder of their own.
class MetadataRename : public WindowTest {
protected:
    void SetUp() override {
        qputenv("TZ", "UTC"); // dates print in the extractor's local time
        load();
        sources = home.filePath(QStringLiteral("in"));
        results = home.filePath(QStringLiteral("out"));
        QDir().mkpath(sources);
        QDir().mkpath(results);
        ui.Text1->setText(results + QLatin1Char('/'));
    }

    QString makePdf(const QString& name, const PdfDocument& doc) {
        const QString path = sources + QLatin1Char('/') + name;
        EXPECT_TRUE(writePdf(path, doc));
        return path;
    }

    bool rename(const QString& pdf, const QString& format) {
        const RenameContext context{
            dialogs,
            window->progress(),
            [this] { return corvander::choiceOf(window->renameControls()); },
            {QStringLiteral("Form1.PushButton2_Click"), QStringLiteral("Form1.RenameFile"),
             QStringLiteral("Form1.RenameMeta")},
            [this](const corvander::ExtractRequest& request, bool) {
                return corvander::extractNow(window->extractionPool(), window->waiter(), request);
            },
            nullptr,
            {},
            nullptr,
            window->renameControls().resultsFolder()};
        return RenameMeta(context, pdf, format);
    }

    QStringList resultNames() const {
        return QDir(results).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString sources;
    QString results;
};

TEST_F(MetadataRename, FormatsOnRealDocuments) {
    const QString janeRoe = QStringLiteral("Jane Roe");
    const QString report = QStringLiteral("Annual Report");
    const struct {
        QMap<QString, QString> info;
        int pages;
        const char* format;
        const char* expected; // empty: skipped, nothing written
    } cases[] = {
        {{{"Author", janeRoe}, {"Title", report}}, 1, "%a - %t", "Jane Roe - Annual Report.pdf"},
        {{{"Author", janeRoe}}, 1, "%a - %t", "Jane Roe -.pdf"},
        {{{"Title", report}}, 1, "%a - %t", "Annual Report.pdf"},
        {{{"Title", report}}, 12, "%t-%g", "Annual Report - 12.pdf"},
        {{{"Title", QStringLiteral("100% Pure")}}, 1, "%t", "100 Pure.pdf"},
        {{{"Title", report}}, 1, "%t - %t", "Annual Report - Annual Report.pdf"},
        {{{"CreationDate", QStringLiteral("D:20120313090643Z")}},
         1,
         "%d",
         "Tue Mar 13 090643 2012 UTC.pdf"},
        {{{"Subject", QStringLiteral("Q3: <draft> figures/totals")}},
         1,
         "%s",
         "Q3 draft figurestotals.pdf"},
        {{{"Author", janeRoe}, {"Title", report}}, 1, "%A", ""},
        {{{"Author", janeRoe}, {"Title", report}}, 1, "%a %t", ""},
        {{{"Creator", QStringLiteral("Writer")}}, 1, "%a - %t", ""},
        {{}, 1, "%a - %t", ""},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        QDir(results).removeRecursively();
        QDir().mkpath(results);
        const QString pdf =
            makePdf(QStringLiteral("doc%1.pdf").arg(++number), documentWith(c.info, c.pages));
        const QByteArray before = fileBytes(pdf);
        const bool renamed = rename(pdf, QString::fromLatin1(c.format));
        const QString expected = QString::fromUtf8(c.expected);
        EXPECT_EQ(renamed, !expected.isEmpty());
        EXPECT_EQ(resultNames(), expected.isEmpty() ? QStringList() : QStringList{expected});
        if (!expected.isEmpty()) {
            EXPECT_EQ(fileBytes(results + QLatin1Char('/') + expected), before);
        }
        EXPECT_EQ(fileBytes(pdf), before);
    }
    EXPECT_TRUE(dialogs.warnings().isEmpty());
}

TEST_F(MetadataRename, BlankFormatKeepsTheOwnNameAndTakenNamesGetMarks) {
    const QString pdf = makePdf(QStringLiteral("Report.pdf"), documentWith({}));
    EXPECT_TRUE(rename(pdf, QStringLiteral("   ")));
    EXPECT_TRUE(rename(pdf, QString()));
    EXPECT_EQ(resultNames(),
              (QStringList{QStringLiteral("Report!.pdf"), QStringLiteral("Report.pdf")}));
}

TEST_F(MetadataRename, SameAuthorAndTitleTwiceGetsAMark) {
    const QMap<QString, QString> info = {{QStringLiteral("Author"), QStringLiteral("Jane Roe")},
                                         {QStringLiteral("Title"), QStringLiteral("Minutes")}};
    const QString first = makePdf(QStringLiteral("a.pdf"), documentWith(info));
    const QString second = makePdf(QStringLiteral("b.pdf"), documentWith(info, 2));
    EXPECT_TRUE(rename(first, QStringLiteral("%a - %t")));
    EXPECT_TRUE(rename(second, QStringLiteral("%a - %t")));
    EXPECT_EQ(resultNames(), (QStringList{QStringLiteral("Jane Roe - Minutes!.pdf"),
                                          QStringLiteral("Jane Roe - Minutes.pdf")}));
    EXPECT_EQ(fileBytes(results + QStringLiteral("/Jane Roe - Minutes!.pdf")), fileBytes(second));
}

TEST_F(MetadataRename, FailedCopyIsReportedAndCountsAsSkipped) {
    const QString pdf =
        makePdf(QStringLiteral("a.pdf"),
                documentWith({{QStringLiteral("Title"), QStringLiteral("Minutes")}}));
    ui.Text1->setText(home.filePath(QStringLiteral("missing")) + QLatin1Char('/'));
    EXPECT_FALSE(rename(pdf, QStringLiteral("%t")));
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().at(0).contains(QStringLiteral("Form1.RenameMeta at line")));
}

} // namespace corvander
