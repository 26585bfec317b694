#pragma once

#include <QByteArray>
#include <QList>

// The text of several pages, taken apart and put together again, so that the pages without words
// can be read by OCR one by one, on several workers at once.

namespace corvander {

// The pages of a text answer, each with its form feed. Anything after the last form feed is not
// a page.
QList<QByteArray> splitPages(const QByteArray& text);

// Whether a page's text holds anything but blanks, line ends and form feeds; see
// protocol::pageHasWords.
bool pageHasWords(const QByteArray& page);

} // namespace corvander
