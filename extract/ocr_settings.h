#pragma once

#include <QString>

namespace corvander {

// Whether pages without a text layer are read by OCR, and in which languages. Off by default, so
// that everything reads exactly as it does without OCR.
struct OcrSettings {
    bool enabled = false;
    // Tesseract's way: "eng", "eng+deu". Empty means English.
    QString languages;
    // How long the OCR of one page may take, drawing included.
    int pageTimeoutMilliseconds = 120000;

    bool operator==(const OcrSettings&) const = default;
};

} // namespace corvander
