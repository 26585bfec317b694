#pragma once

#include "cli/arguments.h"

#include <QByteArray>
#include <QString>

namespace corvander {

// One FILE=NAME of the command line: the file as typed, the path it is read by, and the name the
// user would give it.
struct NamedExample {
    QByteArray file;
    QString path;
    QString name;
};

// Splits FILE=NAME at the first "=" before which stands an existing file, so that both a file
// and a name may hold "=". Raises a UsageError when no "=" has a file before it, or when the
// file's name or NAME is not UTF-8.
NamedExample namedExampleOf(const QByteArray& argument);

} // namespace corvander
