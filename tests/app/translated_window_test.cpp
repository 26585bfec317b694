// The window in the user's language: German and French captions, menus and messages from the
// translations the build makes, and under the C locale the program's own texts, whatever
// LANGUAGE asks for.
#include "app/shown_reason.h"
#include "common/error_report.h"
#include "common/translations.h"
#include "copying/copy_ways.h"
#include "support/shell32.h"
#include "tests/support/locale_environment.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <cerrno>

namespace corvander {

namespace {

// What a user reads first: the captions, the menu bar, the first rename mode and the list's
// column, in the order of the window.
struct WindowTexts {
    QString startButton, addFolderButton, resultsFrame, optionsFrame, contentOption, firstMode,
        listHeader;
    QStringList menus;
};

WindowTexts textsOf(const Form1Controls& ui) {
    WindowTexts texts;
    texts.startButton = ui.PushButton2->text();
    texts.addFolderButton = ui.PushButton5->text();
    texts.resultsFrame = ui.Frame2->title();
    texts.optionsFrame = ui.Frame1->title();
    texts.contentOption = ui.Option1->text();
    texts.firstMode = ui.Combo1->itemText(0);
    texts.listHeader = ui.ListView1->headerItem()->text(0);
    for (QAction* menu : ui.MenuBar->actions())
        texts.menus << menu->text();
    return texts;
}

class TranslatedWindow : public WindowTest {
protected:
    // Opens the window as the program does: the translation first, then the window.
    Form1& loadIn(const LocaleEnvironment::Values& locale) {
        m_environment = std::make_unique<LocaleEnvironment>(locale);
        m_translations =
            std::make_unique<Translations>(QStringLiteral(CORVANDER_TRANSLATIONS_FOLDER));
        return load();
    }
    void TearDown() override {
        window.reset();
        m_translations.reset();
        m_environment.reset();
    }

    // Start Renaming with an empty list, and the general help.
    QStringList firstMessages() {
        ui.PushButton2->click();
        ui.PushButton7->click();
        return dialogs.messages();
    }

private:
    std::unique_ptr<LocaleEnvironment> m_environment;
    std::unique_ptr<Translations> m_translations;
};

} // namespace

TEST_F(TranslatedWindow, GermanCaptionsMenusAndMessages) {
    settings.save(QStringLiteral("Combo1Index"), QStringLiteral("abc"));
    loadIn({.lang = "de_DE.UTF-8"});
    const WindowTexts texts = textsOf(ui);
    EXPECT_EQ(texts.startButton, QStringLiteral("Umbenennen starten"));
    EXPECT_EQ(texts.addFolderButton, QStringLiteral("PDFs aus Ordner hinzufügen"));
    EXPECT_EQ(texts.resultsFrame, QStringLiteral("Ergebnisse in diesem Ordner speichern"));
    EXPECT_EQ(texts.optionsFrame, QStringLiteral("Umbenennungsoptionen"));
    EXPECT_EQ(texts.contentOption, QStringLiteral("Nach Inhalt"));
    EXPECT_EQ(texts.firstMode, QStringLiteral("Umbenennen nach den ersten x Wörtern"));
    EXPECT_EQ(texts.listHeader, QStringLiteral(" PDF-Datei(en)"));
    EXPECT_EQ(texts.menus, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Umbenennen"),
                                        QStringLiteral("&Optionen"), QStringLiteral("&Hilfe")}));
    const QStringList messages = firstMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0), QStringLiteral("Es wurden keine Dateien hinzugefügt."));
    EXPECT_TRUE(messages.at(1).startsWith(QStringLiteral("Dieses Programm:\r\r")))
        << messages.at(1).toStdString();
    // The preview's reasons, with their numbers and the OCR hint; the English ones stay for the
    // command line and the journal.
    EXPECT_EQ(shownReason(QStringLiteral("too few words")), QStringLiteral("zu wenige Wörter"));
    EXPECT_EQ(shownReason(QStringLiteral("the document has only 3 pages")),
              QStringLiteral("das Dokument hat nur 3 Seiten"));
    EXPECT_EQ(
        shownReason(
            QStringLiteral("no text (OCR is off: try Options > Read scanned pages with OCR)")),
        QStringLiteral(
            "kein Text (OCR ist aus: Optionen > „Gescannte Seiten mit OCR lesen“ probieren)"));
    EXPECT_EQ(shownReason(QStringLiteral("no value for {zone 1 2 3 4 5}")),
              QStringLiteral("kein Wert für {zone 1 2 3 4 5}"));
    EXPECT_EQ(shownReason(QStringLiteral("a reason of a later version")),
              QStringLiteral("a reason of a later version"));
    // The error reports: a bad setting found at start, and the opener's answers.
    ASSERT_EQ(dialogs.warnings().size(), 1);
    EXPECT_TRUE(dialogs.warnings().at(0).startsWith(QStringLiteral("Typen unverträglich (")))
        << dialogs.warnings().at(0).toStdString();
    EXPECT_EQ(shellFailure(2).message, QStringLiteral("Datei nicht gefunden"));
    try {
        failCopy("Cannot write into", QStringLiteral("/results"), ENOSPC);
    } catch (const AppError& error) {
        EXPECT_TRUE(
            error.description().startsWith(QStringLiteral("Fehler beim Schreiben in /results: ")))
            << error.description().toStdString();
    }
}

TEST_F(TranslatedWindow, FrenchCaptionsMenusAndMessages) {
    // LANGUAGE goes before the locale, as gettext has it.
    loadIn({.lang = "de_DE.UTF-8", .language = "fr_FR:de"});
    const WindowTexts texts = textsOf(ui);
    EXPECT_EQ(texts.startButton, QStringLiteral("Lancer le renommage"));
    EXPECT_EQ(texts.resultsFrame, QStringLiteral("Enregistrer les résultats dans ce dossier"));
    EXPECT_EQ(texts.contentOption, QStringLiteral("Par le contenu"));
    EXPECT_EQ(texts.firstMode, QStringLiteral("Renommer d’après les x premiers mots"));
    EXPECT_EQ(texts.menus, (QStringList{QStringLiteral("&Fichier"), QStringLiteral("&Renommer"),
                                        QStringLiteral("&Options"), QStringLiteral("&Aide")}));
    const QStringList messages = firstMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0), QStringLiteral("Aucun fichier n’a été ajouté."));
    EXPECT_TRUE(messages.at(1).startsWith(QStringLiteral("Ce programme :\r\r")))
        << messages.at(1).toStdString();
    EXPECT_EQ(shownReason(QStringLiteral("already copied as a.pdf")),
              QStringLiteral("déjà copié sous le nom a.pdf"));
    EXPECT_EQ(shellFailure(31).message,
              QStringLiteral("Aucune application n’est associée à ce type de fichier."));
}

TEST_F(TranslatedWindow, CAndEnglishKeepTheDesignedTexts) {
    const LocaleEnvironment::Values locales[] = {
        {.lang = "C.UTF-8", .language = "de:fr"},
        {.lcAll = "POSIX", .lang = "fr_FR.UTF-8"},
        {.lang = "en_GB.UTF-8", .language = "en:de"},
    };
    for (const LocaleEnvironment::Values& locale : locales) {
        SCOPED_TRACE(locale.lang);
        loadIn(locale);
        const WindowTexts texts = textsOf(ui);
        EXPECT_EQ(texts.startButton, QStringLiteral("Start Renaming"));
        EXPECT_EQ(texts.addFolderButton, QStringLiteral("Add All PDF File(s) In Folder"));
        EXPECT_EQ(texts.resultsFrame, QStringLiteral("Save Results To This Folder"));
        EXPECT_EQ(texts.optionsFrame, QStringLiteral("Rename Options"));
        EXPECT_EQ(texts.contentOption, QStringLiteral("Rename by content"));
        EXPECT_EQ(texts.firstMode, QStringLiteral("Rename by the first x word(s)"));
        EXPECT_EQ(texts.listHeader, QStringLiteral(" PDF File(s)"));
        EXPECT_EQ(texts.menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Rename"),
                                            QStringLiteral("&Options"), QStringLiteral("&Help")}));
        dialogs.clear();
        const QStringList messages = firstMessages();
        ASSERT_EQ(messages.size(), 2);
        EXPECT_EQ(messages.at(0), QStringLiteral("No files added."));
        EXPECT_TRUE(messages.at(1).startsWith(QStringLiteral("This program will:\r\r")));
        EXPECT_EQ(shownReason(QStringLiteral("no text on page 2")),
                  QStringLiteral("no text on page 2"));
        TearDown();
    }
}

} // namespace corvander
