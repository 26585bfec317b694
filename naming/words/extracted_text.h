#pragma once

#include <QByteArray>
#include <QString>

namespace corvander {

// Extractor output is UTF-8; the whole text comes back in composed form (NFC), line ends and form
// feeds as they stand. Bytes that are not valid UTF-8 become replacement characters and the rest
// of the text is kept. Decoding page by page gives the same text as decoding the pages at once:
// every page ends in a form feed, after which no sequence is open and nothing composes.
QString decodeExtractedText(const QByteArray& bytes);

} // namespace corvander
