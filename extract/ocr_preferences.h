#pragma once

#include <QLocale>
#include <QStringList>

namespace corvander {

class SettingsStore;

// The OCR choices kept in the settings: "OCR" ("True" or "False") and "OCRLanguages" (Tesseract's
// way, "deu+eng").

// Off unless the stored value says on; a value that is no truth value reads as off, and stays in
// the file until the user chooses.
bool storedOcrEnabled(const SettingsStore& settings);
void storeOcrEnabled(SettingsStore& settings, bool enabled);

// The stored languages that are installed, in their stored order. The default for the installed
// languages and the locale when nothing is stored, or nothing stored is installed any more. The
// stored value itself is kept, so that a language installed again comes back.
QStringList storedOcrLanguages(const SettingsStore& settings, const QStringList& installed,
                               const QLocale& locale = QLocale());
void storeOcrLanguages(SettingsStore& settings, const QStringList& languages);

} // namespace corvander
