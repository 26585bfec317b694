#include "extract/ocr_preferences.h"

#include "common/error_report.h"
#include "common/settings_store.h"
#include "common/vb_convert.h"
#include "extract/ocr_languages.h"

#include <QRegularExpression>

namespace corvander {

namespace {

const QString kEnabledKey = QStringLiteral("OCR");
const QString kLanguagesKey = QStringLiteral("OCRLanguages");

// "deu+eng" as stored; commas and blanks typed into the file by hand separate as well.
QStringList languageNames(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[+,\\s]+"));
    QStringList names = text.split(separators, Qt::SkipEmptyParts);
    names.removeDuplicates();
    return names;
}

} // namespace

bool storedOcrEnabled(const SettingsStore& settings) {
    try {
        return toBoolean(settings.get(kEnabledKey, QStringLiteral("False")));
    } catch (const AppError&) {
        return false;
    }
}

void storeOcrEnabled(SettingsStore& settings, bool enabled) {
    settings.save(kEnabledKey, booleanText(enabled));
}

QStringList storedOcrLanguages(const SettingsStore& settings, const QStringList& installed,
                               const QLocale& locale) {
    QStringList usable;
    for (const QString& name : languageNames(settings.get(kLanguagesKey))) {
        if (installed.contains(name))
            usable << name;
    }
    if (usable.isEmpty())
        return languageNames(defaultOcrLanguages(installed, locale));
    return usable;
}

void storeOcrLanguages(SettingsStore& settings, const QStringList& languages) {
    settings.save(kLanguagesKey, languages.join(QLatin1Char('+')));
}

} // namespace corvander
