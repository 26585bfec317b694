#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace corvander {

// The languages the user reads messages in, best first, as gettext chooses them: LANGUAGE (a
// list separated by ":") before the locale that LC_ALL, LC_MESSAGES or LANG name, the first of
// them that is set. A C or POSIX locale means the program's own texts whatever LANGUAGE says, and
// gives an empty list. Each entry is a locale name without codeset and modifier, such as "de_DE".
QStringList messageLanguages();

// The folder of the program's translations (corvander_de.qm, ...): "translations" beside the
// running program, which the installation links to the shared data folder.
QString translationsFolder();

// The text in the user's language before any application exists to carry a translation: looked
// up directly in the program's translation beside the running executable.
QString translatedEarly(const char* context, const char* text,
                        const QStringList& languages = messageLanguages());

// The program's translation for the user's language, with Qt's own for its standard dialogs and
// buttons, installed into the running application for as long as this object lives. English is
// the language the texts are written in: an English entry ends the search with nothing loaded,
// as does a language the program has no translation for. Needs a QCoreApplication.
class Translations {
public:
    explicit Translations(const QString& folder = translationsFolder(),
                          const QStringList& languages = messageLanguages());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language whose translation was installed ("de", "fr"), empty when none was.
    QString language() const { return m_language; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_language;
};

} // namespace corvander
