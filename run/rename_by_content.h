#pragma once

#include <QString>

struct RenameContext;

// Copies one PDF into the results folder under a name made of words of its own text, picked by
// the content mode selected now. count is x (modes 0 to 3), n (modes 5, 6) or the first listed
// word number (mode 4); page is y (mode 3). False when the file is skipped, a failed copy
// included. Errors are reported under the context's content label.
bool RenameFile(const RenameContext& context, const QString& path, int count, int page,
                const QString& wordList, const QString& searchText);
