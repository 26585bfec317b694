#include "common/app_title.h"

namespace corvander {

namespace {
QString& storedTitle() {
    static QString title = QString::fromLatin1(kProductName);
    return title;
}
} // namespace

QString shortenedTitle(const QString& name) {
    QString text = name;
    while (text.size() > 40) {
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
        if (space < 0)
            break;
        text.truncate(space);
    }
    return text;
}

QString applicationTitle() {
    return storedTitle();
}

void setApplicationTitle(const QString& name) {
    storedTitle() = shortenedTitle(name);
}

} // namespace corvander
