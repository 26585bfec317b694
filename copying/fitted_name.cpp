#include "copying/fitted_name.h"

#include "naming/template/name_parts.h"

namespace corvander {

QString fittedFileName(const QString& name, int marks) {
    const QString ending = QString(marks, QLatin1Char('!')) + QStringLiteral(".pdf");
    const int room = kMaxFileNameBytes - int(ending.toUtf8().size());
    return cutToUtf8Bytes(name, room > 0 ? room : 0) + ending;
}

} // namespace corvander
