#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace corvander {

// One field of an output line: raw bytes, since a source's name need not be UTF-8.
using OutputField = QByteArray;

// A field as a TAB-separated line holds it: a backslash, TAB or line feed written as "\\", "\t",
// "\n", every other control character (C0 and DEL) and each byte that is not part of
// well-formed UTF-8 as "\xHH".
QByteArray tsvField(const OutputField& field);

// A field as a JSON string (quotes included): the text itself, with JSON's escapes (every control
// character among them, as "\u001b" for ESC), and each byte that is not well-formed UTF-8 as the
// text "\xHH".
QByteArray jsonString(const OutputField& field);

// A line of output, ending in a line feed: the fields joined by TABs, or a JSON object whose keys
// name them.
QByteArray tsvLine(const QList<OutputField>& fields);
QByteArray jsonLine(const QList<std::pair<const char*, OutputField>>& members);

// Text for a terminal or a log: control characters other than the line feed written as "\xHH",
// so that no name can move the cursor or change the terminal's state.
QByteArray terminalSafe(const QString& text);

} // namespace corvander
