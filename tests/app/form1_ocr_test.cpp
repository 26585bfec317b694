// Options > Read scanned pages with OCR and Options > OCR Languages...: what they offer, what
// they keep, and that the workers read with them from the next check or run on.
#include "extract/extraction_pool.h"
#include "tests/support/pdf_writer.h"
#include "tests/support/tesseract_languages.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace corvander {

namespace {

class OcrOptions : public WindowTest {
protected:
    // The user's language decides the languages checked at first.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    void reload() {
        window.reset();
        load();
    }

    // Adds a text document to the list, which checks it as every addition does.
    void addDocument() {
        const QString path = home.filePath(QStringLiteral("doc%1.pdf").arg(++documents));
        ASSERT_TRUE(writePdf(path, pdfOfPages({QStringLiteral("Some words")})));
        window->fileList().appendEntry(path);
        window->runReadabilityCheck();
    }

    const corvander::OcrSettings& poolOcr() { return window->extractionPool().ocr(); }

    int documents = 0;
};

} // namespace

TEST_F(OcrOptions, TheOcrItemIsOffAtFirstTogglesAndIsKeptAcrossStarts) {
    load();
    ASSERT_NE(ui.mnuOcr, nullptr);
    EXPECT_TRUE(ui.mnuOptions->actions().contains(ui.mnuOcr));
    EXPECT_TRUE(ui.mnuOcr->isCheckable());
    EXPECT_FALSE(ui.mnuOcr->isChecked());
    EXPECT_EQ(settings.get(QStringLiteral("OCR")), QStringLiteral("False"));

    ui.mnuOcr->trigger();
    EXPECT_TRUE(ui.mnuOcr->isChecked());
    EXPECT_EQ(settings.get(QStringLiteral("OCR")), QStringLiteral("True"));
    reload();
    EXPECT_TRUE(ui.mnuOcr->isChecked());
    ui.mnuOcr->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("OCR")), QStringLiteral("False"));
    reload();
    EXPECT_FALSE(ui.mnuOcr->isChecked());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(OcrOptions, ABadStoredValueReadsAsOffWithoutAReportOrLosingOtherSettings) {
    // Typed by hand in another letter case, a truth value still counts.
    settings.save(QStringLiteral("OCR"), QStringLiteral("true"));
    EXPECT_TRUE(Form1Controls(load()).mnuOcr->isChecked());
    settings.save(QStringLiteral("OCR"), QStringLiteral("perhaps"));
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("3"));
    settings.save(QStringLiteral("Text2"), QStringLiteral("%t"));
    reload();
    EXPECT_FALSE(ui.mnuOcr->isChecked());
    EXPECT_EQ(settings.get(QStringLiteral("OCR")), QStringLiteral("perhaps"));
    EXPECT_TRUE(dialogs.warnings().isEmpty()) << dialogs.warnings().join('\n').toStdString();
    EXPECT_EQ(ui.Combo1->currentIndex(), 3);
    EXPECT_EQ(settings.get(QStringLiteral("Text2")), QStringLiteral("%t"));
    ui.mnuOcr->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("OCR")), QStringLiteral("True"));
}

TEST_F(OcrOptions, TheLanguagesOfferedAreTheInstalledOnesAndTheChoiceIsKept) {
    const QStringList installed = tesseractLanguages();
    if (!installed.contains(QStringLiteral("deu")) || !installed.contains(QStringLiteral("eng")) ||
        !installed.contains(QStringLiteral("fra")))
        GTEST_SKIP() << "needs tesseract-ocr-eng, -deu and -fra";
    load();
    ASSERT_NE(ui.mnuOcrLanguages, nullptr);
    EXPECT_TRUE(ui.mnuOptions->actions().contains(ui.mnuOcrLanguages));

    dialogs.answerItems({QStringLiteral("eng"), QStringLiteral("fra")});
    ui.mnuOcrLanguages->trigger();
    ASSERT_EQ(dialogs.shownOf(ScriptedDialogs::Kind::ChooseItems).size(), 1);
    const ScriptedDialogs::Shown offered = dialogs.shownOf(ScriptedDialogs::Kind::ChooseItems)[0];
    EXPECT_EQ(offered.items, installed);
    EXPECT_EQ(offered.checked, (QStringList{QStringLiteral("deu"), QStringLiteral("eng")}))
        << "at first the user's language and English";
    EXPECT_EQ(offered.title, QStringLiteral("OCR Languages"));
    EXPECT_EQ(settings.get(QStringLiteral("OCRLanguages")), QStringLiteral("eng+fra"));

    // Cancel, and a choice of nothing, change nothing.
    dialogs.clear();
    dialogs.answerCancel();
    ui.mnuOcrLanguages->trigger();
    dialogs.answerItems({});
    ui.mnuOcrLanguages->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("OCRLanguages")), QStringLiteral("eng+fra"));
    const QList<ScriptedDialogs::Shown> again = dialogs.shownOf(ScriptedDialogs::Kind::ChooseItems);
    ASSERT_EQ(again.size(), 2);
    EXPECT_EQ(again[0].checked, (QStringList{QStringLiteral("eng"), QStringLiteral("fra")}));
    EXPECT_EQ(dialogs.unusedAnswers(), 0);

    // A language added keeps the first one first.
    dialogs.answerItems({QStringLiteral("deu"), QStringLiteral("fra")});
    ui.mnuOcrLanguages->trigger();
    EXPECT_EQ(settings.get(QStringLiteral("OCRLanguages")), QStringLiteral("fra+deu"));
}

TEST_F(OcrOptions, TheWorkersReadWithTheOptionsFromTheNextCheckOn) {
    const QStringList installed = tesseractLanguages();
    if (!installed.contains(QStringLiteral("deu")) || !installed.contains(QStringLiteral("fra")))
        GTEST_SKIP() << "needs tesseract-ocr-deu and -fra";
    load();
    addDocument();
    EXPECT_FALSE(poolOcr().enabled);

    ui.mnuOcr->trigger();
    addDocument();
    EXPECT_TRUE(poolOcr().enabled);
    EXPECT_EQ(poolOcr().languages, QStringLiteral("deu+eng"));

    dialogs.answerItems({QStringLiteral("fra")});
    ui.mnuOcrLanguages->trigger();
    addDocument();
    EXPECT_EQ(poolOcr().languages, QStringLiteral("fra"));

    // A rename run, too, reads as the options stand when it starts.
    ui.mnuOcr->trigger();
    ui.mnuPreview->trigger();
    EXPECT_FALSE(poolOcr().enabled);
    ui.mnuOcr->trigger();
    ui.mnuPreview->trigger();
    EXPECT_TRUE(poolOcr().enabled);
    EXPECT_EQ(poolOcr().languages, QStringLiteral("fra"));
}

} // namespace corvander
