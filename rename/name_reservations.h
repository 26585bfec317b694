#pragma once

#include <QSet>
#include <QString>

namespace corvander {

// The names a plan has given out in its results folder, so that planning ahead gives each file
// the name the copy will get: the first of name.pdf, name!.pdf, name!!.pdf, ... that nothing
// stands at (a file, a folder, a link, even a dangling one) and no earlier file of the plan took.
class NameReservations {
public:
    // The file name (with its marks and ".pdf") given to `name` in `folder`.
    QString reserve(const QString& folder, const QString& name);

private:
    QSet<QString> m_taken;
};

} // namespace corvander
