#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvander {

class Dialogs;

// One file of the command's list: its name as given or as the folder walk built it, and the
// path the run reads it by. A file that nothing can read stays in the list, at its place, with
// an empty path and the reason its line gives: a name given on the command line that is not
// UTF-8, or anything a folder walk left out (a name that is not UTF-8, a path too long, a folder
// it could not search).
struct ListedSource {
    QByteArray name;
    QString path;
    QString reason;

    bool readable() const { return !path.isEmpty(); }
};

// The files of the PATH arguments, in the order given: a file as it stands, whatever its name (it
// need not even exist); a folder as "Add All PDF File(s) In Folder" walks it, with the pattern
// "*.EXTENSION". What the walks leave out is listed too, each file among the files of its
// folder and each folder after the files of its walk, and goes into leftOut as "PATH: REASON".
QList<ListedSource> listSources(const QList<QByteArray>& paths, const QString& extension,
                                Dialogs& dialogs, QStringList& leftOut);

// The reason a name that is not UTF-8 gets, on the command line as in a walk.
QString notUtf8Reason();

} // namespace corvander
