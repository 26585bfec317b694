#include "app/ocr_menu.h"

#include "common/error_report.h"
#include "extract/extraction_pool.h"
#include "extract/ocr_languages.h"
#include "extract/ocr_preferences.h"

#include <QAction>
#include <QMenu>

namespace corvander {

namespace {

// The chosen languages in the order they had before, those newly checked after them: the first
// language is the one Tesseract tries first.
QStringList inFormerOrder(const QStringList& chosen, const QStringList& former) {
    QStringList ordered;
    for (const QString& name : former) {
        if (chosen.contains(name))
            ordered << name;
    }
    for (const QString& name : chosen) {
        if (!ordered.contains(name))
            ordered << name;
    }
    return ordered;
}

} // namespace

OcrMenu::OcrMenu(Dialogs& dialogs, SettingsStore& settings, ExtractionPool& pool, Waiter& waiter)
    : m_dialogs(dialogs), m_settings(settings), m_pool(pool), m_waiter(waiter) {}

void OcrMenu::addMenuItems(QMenu* options) {
    options->addSeparator();
    mnuOcr = options->addAction(tr("Read scanned pages with &OCR"));
    mnuOcr->setObjectName(QStringLiteral("mnuOcr"));
    mnuOcr->setCheckable(true);
    connect(mnuOcr, &QAction::triggered, this, &OcrMenu::mnuOcr_Click);
    mnuOcrLanguages = options->addAction(tr("OCR &Languages..."));
    mnuOcrLanguages->setObjectName(QStringLiteral("mnuOcrLanguages"));
    connect(mnuOcrLanguages, &QAction::triggered, this, &OcrMenu::mnuOcrLanguages_Click);
}

void OcrMenu::restoreOcr() {
    mnuOcr->setChecked(storedOcrEnabled(m_settings));
    if (!m_settings.contains(QStringLiteral("OCR")))
        storeOcrEnabled(m_settings, false);
}

void OcrMenu::mnuOcr_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuOcr_Click"));
    proc.step([&] { storeOcrEnabled(m_settings, mnuOcr->isChecked()); });
    // A shown plan was read the other way.
    Q_EMIT readingChanged();
}

void OcrMenu::mnuOcrLanguages_Click() {
    TrappedProcedure proc(m_dialogs, QStringLiteral("Form1.mnuOcrLanguages_Click"));
    QStringList installed;
    proc.step([&] { installed = installedOcrLanguages(m_pool, m_waiter); });
    if (installed.isEmpty()) {
        m_dialogs.showMessage(
            m_pool.cannotStart()
                ? tr("The OCR languages cannot be listed: the extraction program "
                     "could not be started.")
                : tr("No OCR language is installed. English comes with the package "
                     "tesseract-ocr-eng, other languages with "
                     "tesseract-ocr-LANG (for example tesseract-ocr-deu)."));
        return;
    }
    const QStringList current = storedOcrLanguages(m_settings, installed);
    const std::optional<QStringList> chosen = m_dialogs.chooseItems(
        tr("OCR Languages"), tr("Read scanned pages in these languages:"), installed, current);
    // OCR needs a language: a choice of none changes nothing, as Cancel does.
    if (!chosen || chosen->isEmpty())
        return;
    const QStringList languages = inFormerOrder(*chosen, current);
    proc.step([&] { storeOcrLanguages(m_settings, languages); });
    if (languages != current && mnuOcr->isChecked())
        Q_EMIT readingChanged();
}

void OcrMenu::applyOcrSettings() {
    OcrSettings ocr = m_pool.ocr();
    ocr.enabled = false;
    ocr.languages.clear();
    // With OCR off, no worker is asked anything more than before.
    if (mnuOcr->isChecked()) {
        const QStringList installed = installedOcrLanguages(m_pool, m_waiter);
        // Without a language OCR cannot read anything; the pages stay without text, as before.
        if (!installed.isEmpty()) {
            ocr.enabled = true;
            ocr.languages = storedOcrLanguages(m_settings, installed).join(QLatin1Char('+'));
        }
    }
    m_pool.setOcr(ocr);
}

} // namespace corvander
