#pragma once

#include <QString>
#include <QStringList>

namespace corvander {

// The commands, in the order --help lists them.
const QStringList& commandNames();

// The command a mistyped word most likely stands for: the nearest by letters typed, left out,
// swapped or changed, when it is close enough to have been meant (two such slips, and fewer than
// half the word); empty otherwise.
QString nearestCommand(const QString& word);

// Started as `corvander WORD ...` where WORD is no command: the message that refuses it (for
// standard error, after "corvander: "), or an empty text when the window should open and list
// the paths. WORD reads as a command when it is made of letters only, names nothing on disk, and
// either is close to a command or comes before an option the window does not take
// (`corvander frobnicate --words 2` cannot be meant for the window).
QString unknownCommandMessage(const QStringList& arguments, bool windowRefusesAnOption);

} // namespace corvander
