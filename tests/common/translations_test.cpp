// Which language the program speaks: the one gettext would choose, except that a C or POSIX
// locale keeps the program's own texts whatever LANGUAGE asks for.
#include "common/translations.h"
#include "tests/support/locale_environment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace corvander {

namespace {
QStringList languagesWith(const LocaleEnvironment::Values& values) {
    const LocaleEnvironment environment(values);
    return messageLanguages();
}
} // namespace

TEST(MessageLanguages, TheFirstLocaleVariableSetDecidesAndLanguageGoesFirst) {
    EXPECT_EQ(languagesWith({.lang = "de_DE.UTF-8"}), QStringList{QStringLiteral("de_DE")});
    EXPECT_EQ(languagesWith({.lcMessages = "fr_FR.UTF-8", .lang = "de_DE.UTF-8"}),
              QStringList{QStringLiteral("fr_FR")});
    EXPECT_EQ(languagesWith({.lcAll = "de_AT.ISO-8859-1@euro", .lcMessages = "fr_FR.UTF-8"}),
              QStringList{QStringLiteral("de_AT")});
    EXPECT_EQ(languagesWith({.lang = "de_DE.UTF-8", .language = "fr_CA:en::de"}),
              (QStringList{QStringLiteral("fr_CA"), QStringLiteral("en"), QStringLiteral("de"),
                           QStringLiteral("de_DE")}));
}

TEST(MessageLanguages, CAndPosixKeepTheProgramsTextsWhateverLanguageSays) {
    for (const char* locale : {"C", "C.UTF-8", "POSIX", "C.utf8"}) {
        SCOPED_TRACE(locale);
        EXPECT_TRUE(languagesWith({.lang = locale, .language = "de:fr"}).isEmpty());
        EXPECT_TRUE(
            languagesWith({.lcAll = locale, .lang = "de_DE.UTF-8", .language = "de"}).isEmpty());
    }
    // Nothing set at all is the C locale too.
    EXPECT_TRUE(languagesWith({.language = "de"}).isEmpty());
}

TEST(Translations, EnglishOrAnUnknownLanguageLoadsNothing) {
    const QString folder = QStringLiteral(CORVANDER_TRANSLATIONS_FOLDER);
    EXPECT_EQ(Translations(folder, {QStringLiteral("en_GB"), QStringLiteral("de")}).language(),
              QString());
    EXPECT_EQ(Translations(folder, {QStringLiteral("pt_BR")}).language(), QString());
    EXPECT_EQ(Translations(folder, {}).language(), QString());
    EXPECT_EQ(QCoreApplication::translate("corvander::RenameRun", "Done."),
              QStringLiteral("Done."));
}

TEST(Translations, ARegionalLocaleFindsItsLanguageAndQtsOwnTexts) {
    const QString folder = QStringLiteral(CORVANDER_TRANSLATIONS_FOLDER);
    {
        const Translations german(folder, {QStringLiteral("pt_BR"), QStringLiteral("de_CH")});
        EXPECT_EQ(german.language(), QStringLiteral("de"));
        EXPECT_EQ(QCoreApplication::translate("corvander::RenameRun", "Done."),
                  QStringLiteral("Fertig."));
        // Qt's own buttons, from Qt's translations.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Abbrechen"));
    }
    {
        const Translations french(folder, {QStringLiteral("fr_BE")});
        EXPECT_EQ(french.language(), QStringLiteral("fr"));
        EXPECT_EQ(QCoreApplication::translate("corvander::RenameRun", "Done."),
                  QStringLiteral("Terminé."));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Annuler"));
    }
    // Gone with the object.
    EXPECT_EQ(QCoreApplication::translate("corvander::RenameRun", "Done."),
              QStringLiteral("Done."));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

} // namespace corvander
