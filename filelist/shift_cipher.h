#pragma once

#include <QByteArray>
#include <QString>

namespace corvander {

// The key of the stored sample list: eight lowercase ASCII letters.
inline constexpr char kSampleListKey[] = "kestrels";

// Adds the key's byte codes in turn to the bytes of the text; a sum of 256 or more wraps by 255,
// so no byte becomes 0. Decoding subtracts and wraps the other way. Both let pending events run
// once per byte.
QByteArray shiftEncodeBytes(const QByteArray& bytes, const QByteArray& key);
QByteArray shiftDecodeBytes(const QByteArray& bytes, const QByteArray& key);

// The text's UTF-8 bytes, encoded, as characters 1 to 255 - a form every settings file holds - so
// that any path comes back whole from ShiftDecode.
QString ShiftEncode(const QString& text, const QString& key);
QString ShiftDecode(const QString& text, const QString& key);

} // namespace corvander
