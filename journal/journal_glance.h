#pragma once

#include <QString>
#include <optional>

namespace corvander {

// What choosing a journal for the window's Undo and Save Report needs to know of it: that it is a
// journal (its first line that parses is a start line), whether it made copies, and whether an
// undo marked it. Read from its first lines and its last, so that the journal of a long run is
// not read whole each time the menu is brought up to date.
struct JournalGlance {
    bool copies = false;
    // An undo appends its mark as the journal's last line; a mark anywhere else (a journal
    // edited by hand) is seen by the undo itself, which then says that the run was undone.
    bool undone = false;
};

// Nothing for a journal that cannot be read or is none; a link at the path is not followed.
std::optional<JournalGlance> glanceAtJournal(const QString& path);

} // namespace corvander
