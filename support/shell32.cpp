#include "support/shell32.h"

#include "common/dialogs.h"
#include "common/path_helpers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace corvander {

namespace {

// The number of a failure without a number of its own: 0x80040418 plus the code.
constexpr int kDefaultNumberBase = -2147220456;

} // namespace

ShellFailure shellFailure(int code) {
    const int fallback = kDefaultNumberBase + code;
    switch (code) {
    case 0:
    case 8:
        return {7, QCoreApplication::translate("corvander::ShellOpen", "Out of memory")};
    case 2:
        return {53, QCoreApplication::translate("corvander::ShellOpen", "File not found")};
    case 3:
        return {76, QCoreApplication::translate("corvander::ShellOpen", "Path not found")};
    case 5:
        return {75, QCoreApplication::translate("corvander::ShellOpen", "Path/file access error")};
    case 11:
        return {fallback, QCoreApplication::translate("corvander::ShellOpen",
                                                      "The executable file is invalid or corrupt")};
    case 26:
        return {75, QCoreApplication::translate("corvander::ShellOpen",
                                                "A sharing violation occurred.")};
    case 27:
        return {fallback, QCoreApplication::translate(
                              "corvander::ShellOpen",
                              "This file type does not have a valid file association.")};
    case 28:
        return {286, QCoreApplication::translate(
                         "corvander::ShellOpen",
                         "The file could not be opened due to time out. Please try "
                         "again in a moment.")};
    case 29:
        return {285, QCoreApplication::translate(
                         "corvander::ShellOpen",
                         "The file could not be opened because the DDE transaction "
                         "failed. Please try again in a moment.")};
    case 30:
        return {285, QCoreApplication::translate(
                         "corvander::ShellOpen",
                         "The file could not be opened because the target application "
                         "is busy. Please try again in a moment.")};
    case 31:
        return {fallback,
                QCoreApplication::translate("corvander::ShellOpen",
                                            "No application is associated with this file type.")};
    case 32:
        return {48,
                QCoreApplication::translate("corvander::ShellOpen",
                                            "The specified dynamic-link library was not found.")};
    default:
        return {fallback,
                QCoreApplication::translate("corvander::ShellOpen",
                                            "An error occurred occurred whilst trying to open or "
                                            "print the selected file.")};
    }
}

QString shellErrorSource() {
    return StripExtension(FileNameOf(QCoreApplication::applicationFilePath())) +
           QStringLiteral(".GShell");
}

int ShellOpen(Dialogs& dialogs, const QString& file, int showState, const QString& parameters,
              const QString& workingFolder, const QString& verb) {
    Q_UNUSED(showState);
    Q_UNUSED(parameters);
    Q_UNUSED(workingFolder);
    Q_UNUSED(verb);
    int code = kShellOpened;
    if (!PathExists(file))
        code = 2;
    else if (!dialogs.openExternally(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())))
        code = 31;
    if (code <= 32) {
        const ShellFailure failure = shellFailure(code);
        throw ShellError(code, failure.number, shellErrorSource(), failure.message);
    }
    return code;
}

} // namespace corvander
