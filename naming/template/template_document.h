#pragma once

#include "extract/page_words.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvander {

// What the extraction brought for one file, as a template sees it.
struct TemplateDocument {
    QString path;                // the source, as listed
    std::optional<QString> text; // the text as rename by content reads it (pdftotext -eol dos,
                                 // decoded, NFC), pages ending in a form feed; nothing when not
                                 // extracted or unreadable
    bool textComplete = true;    // false when the text stops early (only the first pages)
    int pageCount = -1;
    QList<PageWords> pageWords;           // pages with word boxes, for zones
    std::optional<QStringList> infoLines; // document information lines as rename by metadata
                                          // reads them ("Metadata:" line then the XML), if asked
};

} // namespace corvander
