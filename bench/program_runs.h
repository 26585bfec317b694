#pragma once

#include <QString>

namespace corvander {

class HeadlessDialogs;
class HeadlessWindow;

// Seconds taken by a rename run through the program's own run code over the window's list into
// a fresh results folder under the scratch folder. The run gets a pool of workers of its own,
// made and shut down inside the timing, so the workers' start-up is paid as a user pays it.
// Raises an error unless every listed file was copied: a run that skipped files did not do the
// work being timed.
double timeRenameRun(HeadlessWindow& window, HeadlessDialogs& dialogs, const QString& scratch);

} // namespace corvander
