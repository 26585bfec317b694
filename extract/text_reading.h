#pragma once

#include "naming/words/extracted_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvander {

// Extractor output is UTF-8; everything read here comes back in composed form (NFC). The whole
// text is decodeExtractedText, shared with the extraction worker.

// The lines without their line ends (CR LF or LF); no elements for an empty text.
QStringList splitOutputLines(const QByteArray& bytes);

} // namespace corvander
