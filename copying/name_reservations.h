#pragma once

#include <QSet>
#include <QString>

namespace corvander {

class ResultsFolder;

// The names a plan has given out in its results folder, so that planning ahead gives each file
// the name the copy will get: the first of name.pdf, name!.pdf, name!!.pdf, ... that nothing
// stands at (a file, a folder, a link, even a dangling one) and no earlier file of the plan took.
class NameReservations {
public:
    // The file name (with its marks and ".pdf") given to `name` in the folder, looked up through
    // the folder the run opened (by its path when it could not be opened).
    QString reserve(const ResultsFolder& folder, const QString& name);

private:
    QSet<QString> m_taken;
};

} // namespace corvander
