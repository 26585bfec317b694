#pragma once

#include <QString>

class QWidget;

namespace corvander {

// A message too tall for the screen (a "Done." that lists thousands of skipped files) in a box
// whose text scrolls, so that its OK button always stays on the screen. The text is shown as
// it is, line breaks and all.
bool fitsOnScreen(const QString& text, const QWidget* owner);
void showScrollingMessage(QWidget* owner, const QString& title, const QString& text);

} // namespace corvander
