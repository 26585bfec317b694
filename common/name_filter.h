#pragma once

#include <QString>
#include <QStringList>

// A file dialog's name filter, such as "PDF Files (*.pdf)": a name, then wildcard patterns in
// brackets. Scanners and cameras write "SCAN.PDF", so this program's patterns match file names in
// any letter case.
namespace corvander {

// The wildcard patterns of a filter; a text without brackets is taken as patterns itself.
QStringList nameFilterPatterns(const QString& filter);

// True when the file name matches one of the filter's patterns, in any letter case.
bool matchesNameFilter(const QString& filter, const QString& fileName);

// The same filter with each letter of its patterns turned into a bracket of both cases ("*.pdf"
// becomes "*.[pP][dD][fF]"), for the desktop's dialogs, which match patterns letter for letter
// and show only the filter's name. Bracket expressions already in a pattern stay as they are.
QString anyCaseNameFilter(const QString& filter);

} // namespace corvander
