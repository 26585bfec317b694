#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace corvander {

class Extractor;
class Waiter;

// The OCR languages installed on this machine, as a worker finds them: Tesseract's names in
// alphabetical order ("deu", "eng", "chi_sim"), "osd" left out. Empty when no worker answered.
QStringList installedOcrLanguages(Extractor& pool, Waiter& waiter);

// Tesseract's name for the language of the locale ("deu" for German); empty when the locale names
// no language.
QString ocrLanguageOfLocale(const QLocale& locale);

// What OCR reads in until the user chooses: the language of the locale when it is installed, then
// English ("deu+eng"); English alone when the locale's is not installed; the locale's alone when
// English is not. With neither installed, the first installed language, or "eng" when there is
// none at all.
QString defaultOcrLanguages(const QStringList& installed, const QLocale& locale);

} // namespace corvander
