#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Extractor output is UTF-8; everything read here comes back in composed form (NFC).

// The whole text, line ends and form feeds as they stand. Bytes that are not valid UTF-8 become
// replacement characters and the rest of the text is kept.
QString decodeExtractedText(const QByteArray& bytes);

// The lines without their line ends (CR LF or LF); no elements for an empty text.
QStringList splitOutputLines(const QByteArray& bytes);
