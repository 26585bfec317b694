#include "cli/named_example.h"

#include "common/code_page.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace corvander {

namespace {

bool isFile(const QByteArray& raw) {
    struct stat info {};
    return !raw.isEmpty() && ::stat(raw.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

NamedExample namedExampleOf(const QByteArray& argument) {
    for (qsizetype at = argument.indexOf('='); at >= 0; at = argument.indexOf('=', at + 1)) {
        const QByteArray file = argument.left(at);
        if (!isFile(file))
            continue;
        const QByteArray name = argument.mid(at + 1);
        if (!isValidUtf8(file))
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "%1: the file's name is not valid UTF-8")
                                 .arg(escapeInvalidUtf8(argument)));
        if (!isValidUtf8(name))
            throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                         "%1: the name is not valid UTF-8")
                                 .arg(escapeInvalidUtf8(argument)));
        return {file, QFile::decodeName(file), QString::fromUtf8(name)};
    }
    throw UsageError(QCoreApplication::translate("corvander::CommandLine",
                                                 "%1: no existing file before an \"=\" (FILE=NAME)")
                         .arg(escapeInvalidUtf8(argument)));
}

} // namespace corvander
