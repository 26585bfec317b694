#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvander::pdf_syntax {

// The pieces of PDF syntax the tests' writer puts together.

// A literal string of these bytes, the delimiters escaped and control bytes as octal.
QByteArray literalBytes(const QByteArray& bytes);

// A literal string: Latin-1 bytes.
QByteArray literalString(const QString& text);

bool isPlainAscii(const QString& text);

// An information string: plain ASCII as a literal, anything else as UTF-16BE with its byte
// order mark, which every reader decodes the same way.
QByteArray textString(const QString& text);

// The bytes textString() writes, before they are written.
QByteArray textStringBytes(const QString& text);

QByteArray stream(const QByteArray& dictionaryEntries, const QByteArray& data);

QByteArray textContent(const QStringList& lines);

QByteArray reference(int number);

QByteArray boxEntry(const char* name, const QList<double>& box);

} // namespace corvander::pdf_syntax
