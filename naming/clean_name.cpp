#include "naming/clean_name.h"

#include "common/code_page.h"

#include <QList>

namespace corvander {

QString CleanName(const QString& nameText, bool removePercent) {
    QString name;
    name.reserve(nameText.size());
    for (const char32_t code : nameText.toUcs4()) {
        if (isNameCharacter(code))
            name.append(QString::fromUcs4(&code, 1));
    }
    if (name.isEmpty())
        return name;

    // Tab, CR and LF cannot survive the filter above (they are controls); they stay in the list so
    // that it reads as the complete set of characters a name must not hold.
    static const char16_t removed[] = {u'\t', u'\r', u'\n', u'/', u'\\', u'*',
                                       u':',  u'?',  u'<',  u'>', u'|'};
    for (const char16_t character : removed)
        name.remove(QChar(character));
    // The controls that reorder what follows them: "abc<RLO>exe" + ".pdf" would show as
    // "abcfdp.exe" in every file manager. The marks that only nudge neutral characters stay.
    static const char16_t directionControls[] = {u'\u202a', u'\u202b', u'\u202c',
                                                 u'\u202d', u'\u202e', u'\u2066',
                                                 u'\u2067', u'\u2068', u'\u2069'};
    for (const char16_t character : directionControls)
        name.remove(QChar(character));
    if (removePercent)
        name.remove(QLatin1Char('%'));
    return name;
}

} // namespace corvander
