#include "extract/ocr_languages.h"

#include "extract/extractor.h"
#include "extract/waiting_progress.h"

namespace corvander {

namespace {
const QString kEnglish = QStringLiteral("eng");
} // namespace

QStringList installedOcrLanguages(Extractor& pool, Waiter& waiter) {
    const ExtractResult result = extractNow(pool, waiter, ExtractRequest::installedLanguages());
    if (result.outcome != ExtractResult::Outcome::Answered)
        return {};
    return result.languages;
}

QString ocrLanguageOfLocale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::AnyLanguage:
    case QLocale::C:
        return {};
    // Tesseract reads Chinese by script, and Norwegian as one language.
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("chi_tra")
                                                                    : QStringLiteral("chi_sim");
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return QStringLiteral("nor");
    default:
        // Tesseract names its languages by the terminological codes: deu, not ger.
        return QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T);
    }
}

QString defaultOcrLanguages(const QStringList& installed, const QLocale& locale) {
    const QString own = ocrLanguageOfLocale(locale);
    const bool ownInstalled = !own.isEmpty() && own != kEnglish && installed.contains(own);
    const bool englishInstalled = installed.contains(kEnglish);
    if (ownInstalled && englishInstalled)
        return own + QLatin1Char('+') + kEnglish;
    if (ownInstalled)
        return own;
    if (englishInstalled || installed.isEmpty())
        return kEnglish;
    return installed.first();
}

} // namespace corvander
