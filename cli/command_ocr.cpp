#include "cli/command_ocr.h"

#include "extract/extraction_pool.h"
#include "extract/ocr_languages.h"
#include <QCoreApplication>

namespace corvander {

void setCommandOcr(const CommonSettings& settings, ExtractionPool& pool, Waiter& waiter) {
    if (const std::optional<OcrSettings> ocr = commandOcr(settings, pool, waiter))
        pool.setOcr(*ocr);
}

std::optional<OcrSettings> commandOcr(const CommonSettings& settings, ExtractionPool& pool,
                                      Waiter& waiter) {
    if (!settings.ocr)
        return std::nullopt;
    const QStringList installed = installedOcrLanguages(pool, waiter);
    if (pool.cannotStart())
        return std::nullopt;
    // The pool's own time limit per page stays.
    OcrSettings ocr = pool.ocr();
    ocr.enabled = true;
    const QString listed =
        installed.isEmpty() ? QStringLiteral("none") : installed.join(QStringLiteral(", "));
    if (settings.ocrLanguages.isEmpty()) {
        if (installed.isEmpty())
            throw UsageError(QCoreApplication::translate(
                "corvander::CommandLine", "--ocr: no OCR language is installed (English comes "
                                          "with the package tesseract-ocr-eng)"));
        ocr.languages = defaultOcrLanguages(installed, QLocale());
        return ocr;
    }
    for (const QString& language : settings.ocrLanguages) {
        if (!installed.contains(language))
            throw UsageError(
                QCoreApplication::translate(
                    "corvander::CommandLine",
                    "--ocr-languages: the language %1 is not installed (installed: %2)")
                    .arg(language, listed));
    }
    ocr.languages = settings.ocrLanguages.join(QLatin1Char('+'));
    return ocr;
}

} // namespace corvander
