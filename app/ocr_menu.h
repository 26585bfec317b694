#pragma once

#include "common/dialogs.h"
#include "common/settings_store.h"

#include <QObject>

class QAction;
class QMenu;

namespace corvander {

class ExtractionPool;
class Waiter;

// Reading scanned pages by OCR: the two items of the Options menu, their settings, and handing
// them to the extraction workers before anything is read.
class OcrMenu : public QObject {
    Q_OBJECT
public:
    OcrMenu(Dialogs& dialogs, SettingsStore& settings, ExtractionPool& pool, Waiter& waiter);

    void addMenuItems(QMenu* options);
    // Start-up: the stored choice, and "off" stored when there was none.
    void restoreOcr();
    // Hands the workers the OCR settings as they stand now: before every run, preview and check,
    // so that a change takes effect at once.
    void applyOcrSettings();

    // Options > Read scanned pages with OCR: on or off, kept as "OCR".
    void mnuOcr_Click();
    // Options > OCR Languages...: the installed languages, those OCR reads in checked; the choice
    // is kept as "OCRLanguages".
    void mnuOcrLanguages_Click();

Q_SIGNALS:
    // Files are now read another way than before.
    void readingChanged();

private:
    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    ExtractionPool& m_pool;
    Waiter& m_waiter;
    QAction* mnuOcr = nullptr;
    QAction* mnuOcrLanguages = nullptr;
};

} // namespace corvander
