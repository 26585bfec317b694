#include "app/form1.h"
#include "common/error_report.h"
#include "extract/extractor_tools.h"
#include "tests/extract/pdf_files.h"
#include "tests/support/window_fixture.h"

#include <QFileInfo>

namespace {

TEST(DeployTool, FindsTheInstalledExtractors) {
    for (const QString& name : {QStringLiteral("pdftotext"), QStringLiteral("pdfinfo")}) {
        const QFileInfo tool(DeployTool(name));
        EXPECT_TRUE(tool.isAbsolute()) << name.toStdString();
        EXPECT_TRUE(tool.isExecutable()) << name.toStdString();
        EXPECT_EQ(tool.fileName(), name);
    }
}

TEST(DeployTool, MissingProgramNamesItAndItsPackage) {
    try {
        DeployTool(QStringLiteral("corvander-no-such-extractor"));
        FAIL() << "a missing program must raise";
    } catch (const AppError& error) {
        EXPECT_TRUE(
            error.description().contains(QStringLiteral("\"corvander-no-such-extractor\"")));
        EXPECT_TRUE(error.description().contains(QStringLiteral("poppler-utils")));
    }
}

// Start-up on a machine without the extractor: the start-up's report names the program, the
// window still comes up, and a later check finds nothing readable.
class NoExtractorTest : public WindowTest {
protected:
    void SetUp() override {
        m_path = qgetenv("PATH");
        qputenv("PATH", emptyBin.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", m_path); }

    QTemporaryDir emptyBin;

private:
    QByteArray m_path;
};

TEST_F(NoExtractorTest, StartUpReportsTheMissingExtractor) {
    load();
    ASSERT_EQ(dialogs.warnings().size(), 1);
    const QString report = dialogs.warnings().first();
    EXPECT_TRUE(report.contains(QStringLiteral("\"pdftotext\""))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("poppler-utils")));
    EXPECT_TRUE(report.contains(QStringLiteral("in Quarnex2021/08/31.Form1.Form_Load ")));
    EXPECT_TRUE(window->pdftotextPath().isEmpty());

    QTemporaryDir input;
    const QString pdf = pdf_files::textPdf(QDir(input.path()), QStringLiteral("a.pdf"));
    window->appendEntry(pdf);
    dialogs.clear();
    window->runReadabilityCheck();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(pdf));
}

TEST(WorkFolder, ExistsFromTheStartAndGoesAtUnload) {
    ScriptedDialogs dialogs;
    QTemporaryDir home;
    SettingsStore settings(home.filePath(QStringLiteral("s.ini")));
    Form1Environment environment;
    environment.terminate = [] {};
    Form1 window(dialogs, settings, environment);
    const QString folder = window.workFolderPath();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QFile::permissions(folder) & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions());
    window.Form_Unload();
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
