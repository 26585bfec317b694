#include "common/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvander {

namespace {

QString environmentText(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

// "de_DE.UTF-8@euro" -> "de_DE"
QString withoutCodeset(QString locale) {
    const qsizetype modifier = locale.indexOf(QLatin1Char('@'));
    if (modifier >= 0)
        locale.truncate(modifier);
    const qsizetype codeset = locale.indexOf(QLatin1Char('.'));
    if (codeset >= 0)
        locale.truncate(codeset);
    return locale;
}

bool isEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

} // namespace

QStringList messageLanguages() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environmentText(name);
        if (!locale.isEmpty())
            break;
    }
    locale = withoutCodeset(locale);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    QStringList languages;
    for (const QString& entry : environmentText("LANGUAGE").split(QLatin1Char(':'))) {
        const QString language = withoutCodeset(entry);
        if (!language.isEmpty())
            languages << language;
    }
    languages << locale;
    return languages;
}

QString translatedEarly(const char* context, const char* text, const QStringList& languages) {
    // Without an application object the program's own folder comes from the kernel.
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
                           QStringLiteral("/translations");
    for (const QString& language : languages) {
        if (isEnglish(language))
            break;
        QTranslator translator;
        if (translator.load(QStringLiteral("corvander_") + language, folder)) {
            const QString translated = translator.translate(context, text);
            return translated.isEmpty() ? QString::fromUtf8(text) : translated;
        }
    }
    return QString::fromUtf8(text);
}

QString translationsFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

Translations::Translations(const QString& folder, const QStringList& languages) {
    for (const QString& language : languages) {
        if (isEnglish(language))
            return;
        auto program = std::make_unique<QTranslator>();
        // "corvander_de_CH" falls back to "corvander_de" by itself; never to a bare "corvander".
        if (!program->load(QStringLiteral("corvander_") + language, folder) ||
            program->language().isEmpty())
            continue;
        m_language = program->language();
        // Qt's own texts (the buttons of a message box, the file dialog) in the same language,
        // where Qt's translations are installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(qt.get()))
            m_installed.push_back(std::move(qt));
        if (QCoreApplication::installTranslator(program.get()))
            m_installed.push_back(std::move(program));
        return;
    }
}

Translations::~Translations() {
    for (const std::unique_ptr<QTranslator>& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

} // namespace corvander
