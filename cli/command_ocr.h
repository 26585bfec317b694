#pragma once

#include "cli/command_settings.h"
#include "extract/ocr_settings.h"

#include <optional>

namespace corvander {

class ExtractionPool;
class Waiter;

// Gives the pool the OCR the command line asks for: the languages of --ocr-languages, or else the
// default ones for the installed languages and the user's locale. Raises a UsageError naming a
// language that is not installed. Without --ocr, or when no worker starts (the command tells why
// as it reads the first file), OCR stays off.
void setCommandOcr(const CommonSettings& settings, ExtractionPool& pool, Waiter& waiter);
// The same settings, for a run's request to carry; nothing when OCR stays off.
std::optional<OcrSettings> commandOcr(const CommonSettings& settings, ExtractionPool& pool,
                                      Waiter& waiter);

} // namespace corvander
