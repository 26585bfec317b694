#include "app/form1.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/window_fixture.h"

namespace corvander {

namespace {

// Start-up on a machine without the worker program: the start-up's report names it, the window
// still comes up, and a later check finds nothing readable.
class NoExtractorTest : public WindowTest {
protected:
    void SetUp() override {
        extractorProgram = emptyBin.filePath(QStringLiteral("corvander-extract"));
    }

    QTemporaryDir emptyBin;
};

TEST_F(NoExtractorTest, StartUpReportsTheMissingExtractor) {
    load();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    const QString report = dialogs.warnings().first();
    EXPECT_TRUE(report.contains(QStringLiteral("\"corvander-extract\""))) << report.toStdString();
    EXPECT_TRUE(report.contains(extractorProgram)) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("in Quarnex2021/08/31.Form1.Form_Load ")));

    QTemporaryDir input;
    const QString pdf = pdf_files::textPdf(QDir(input.path()), QStringLiteral("a.pdf"));
    window->fileList().appendEntry(pdf);
    dialogs.clear();
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(pdf));
}

} // namespace

} // namespace corvander
