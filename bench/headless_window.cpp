#include "bench/headless_window.h"

#include <QTextStream>

namespace corvander {

void HeadlessDialogs::showMessage(const QString& text, const QString&) {
    messages.append(text);
}

void HeadlessDialogs::showWarning(const QString& text, const QString&) {
    // An error report in the middle of a measurement makes its timing doubtful: say so.
    QTextStream(stderr) << "error report: " << text << '\n';
    warnings.append(text);
}

bool HeadlessDialogs::askYesNo(const QString&, const QString&) {
    return false;
}

std::optional<QString> HeadlessDialogs::askText(const QString&, const QString&, const QString&,
                                                bool) {
    if (inputAnswers.isEmpty())
        return std::nullopt;
    return inputAnswers.dequeue();
}

QStringList HeadlessDialogs::openFiles(const QString&, const QString&) {
    return {};
}

QString HeadlessDialogs::browseForFolder(const QString&, const QString&) {
    return {};
}

bool HeadlessDialogs::openExternally(const QUrl&) {
    return false;
}

} // namespace corvander
