// The OCR languages: which are installed, which OCR reads in until the user chooses, and how the
// choices are kept in the settings.
#include "common/event_loop_waiter.h"
#include "common/settings_store.h"
#include "extract/extraction_pool.h"
#include "extract/ocr_languages.h"
#include "extract/ocr_preferences.h"
#include "tests/support/tesseract_languages.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

const QStringList kInstalled = {QStringLiteral("deu"), QStringLiteral("eng"),
                                QStringLiteral("fra")};

} // namespace

TEST(DefaultOcrLanguages, TheLocalesLanguageWhenInstalledThenEnglish) {
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("deu+eng"));
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::German, QLocale::Austria)),
              QStringLiteral("deu+eng"));
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::French, QLocale::Canada)),
              QStringLiteral("fra+eng"));
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              QStringLiteral("eng"));
    // Tesseract's codes are the terminological ones, and Chinese goes by its script.
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("ces"), QStringLiteral("eng")},
                                  QLocale(QLocale::Czech)),
              QStringLiteral("ces+eng"));
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("nld"), QStringLiteral("eng")},
                                  QLocale(QLocale::Dutch)),
              QStringLiteral("nld+eng"));
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("chi_tra"), QStringLiteral("eng")},
                                  QLocale(QLocale::Chinese, QLocale::Taiwan)),
              QStringLiteral("chi_tra+eng"));
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("chi_sim"), QStringLiteral("eng")},
                                  QLocale(QLocale::Chinese, QLocale::China)),
              QStringLiteral("chi_sim+eng"));
}

TEST(DefaultOcrLanguages, EnglishAloneForALanguageThatIsNotInstalledOrNone) {
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::Japanese)), QStringLiteral("eng"));
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale::c()), QStringLiteral("eng"));
    EXPECT_EQ(defaultOcrLanguages(kInstalled, QLocale(QLocale::Esperanto)), QStringLiteral("eng"));
}

TEST(DefaultOcrLanguages, WithoutEnglishWhateverIsInstalled) {
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("deu")}, QLocale(QLocale::German)),
              QStringLiteral("deu"));
    EXPECT_EQ(defaultOcrLanguages({QStringLiteral("fra")}, QLocale(QLocale::German)),
              QStringLiteral("fra"));
    EXPECT_EQ(defaultOcrLanguages({}, QLocale(QLocale::German)), QStringLiteral("eng"));
}

TEST(InstalledOcrLanguages, AreTheOnesTesseractFinds) {
    const QStringList expected = tesseractLanguages();
    ASSERT_FALSE(expected.isEmpty()) << "tesseract lists no language";
    corvander::ExtractionPool pool(
        corvander::PoolSettings{QStringLiteral(CORVANDER_EXTRACT_PROGRAM), 1, 60000, 120000});
    corvander::EventLoopWaiter waiter;
    EXPECT_EQ(corvander::installedOcrLanguages(pool, waiter), expected);

    corvander::ExtractionPool missing(
        corvander::PoolSettings{QStringLiteral("/nonexistent/corvander-extract"), 1, 60000});
    EXPECT_EQ(corvander::installedOcrLanguages(missing, waiter), QStringList());
}

class OcrSettingsKeys : public ::testing::Test {
protected:
    OcrSettingsKeys() : settings(home.filePath(QStringLiteral("Fernwick.ini"))) {}

    QTemporaryDir home;
    SettingsStore settings;
    const QLocale german{QLocale::German, QLocale::Germany};
};

TEST_F(OcrSettingsKeys, LanguagesRoundTripAndKeepOnlyTheInstalledOnes) {
    EXPECT_EQ(corvander::storedOcrLanguages(settings, kInstalled, german),
              (QStringList{QStringLiteral("deu"), QStringLiteral("eng")}))
        << "nothing stored: the default";
    EXPECT_FALSE(settings.contains(QStringLiteral("OCRLanguages")))
        << "the default is not written for the user";

    corvander::storeOcrLanguages(settings, {QStringLiteral("fra"), QStringLiteral("eng")});
    EXPECT_EQ(settings.get(QStringLiteral("OCRLanguages")), QStringLiteral("fra+eng"));
    EXPECT_EQ(corvander::storedOcrLanguages(settings, kInstalled, german),
              (QStringList{QStringLiteral("fra"), QStringLiteral("eng")}));

    // French uninstalled: English is left, and French comes back when installed again.
    const QStringList withoutFrench = {QStringLiteral("deu"), QStringLiteral("eng")};
    EXPECT_EQ(corvander::storedOcrLanguages(settings, withoutFrench, german),
              QStringList{QStringLiteral("eng")});
    EXPECT_EQ(settings.get(QStringLiteral("OCRLanguages")), QStringLiteral("fra+eng"));

    // Nothing stored is installed any more: the default again.
    settings.save(QStringLiteral("OCRLanguages"), QStringLiteral("jpn+kor"));
    EXPECT_EQ(corvander::storedOcrLanguages(settings, kInstalled, german),
              (QStringList{QStringLiteral("deu"), QStringLiteral("eng")}));
    settings.save(QStringLiteral("OCRLanguages"), QString());
    EXPECT_EQ(corvander::storedOcrLanguages(settings, kInstalled, german),
              (QStringList{QStringLiteral("deu"), QStringLiteral("eng")}));

    // Written by hand with commas, or twice over.
    settings.save(QStringLiteral("OCRLanguages"), QStringLiteral("fra, deu+fra"));
    EXPECT_EQ(corvander::storedOcrLanguages(settings, kInstalled, german),
              (QStringList{QStringLiteral("fra"), QStringLiteral("deu")}));
}

} // namespace corvander
