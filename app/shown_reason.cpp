#include "app/shown_reason.h"

#include "extract/reason_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace corvander {

namespace {

// The reasons without a number or a name in them, for the translation tools.
const char* const kFixedReasons[] = {
    QT_TRANSLATE_NOOP("corvander::Reasons", "no rename mode"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "no word numbers"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "no search text"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "unreadable"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "password needed"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "wrong password"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "timed out"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "no text"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "too little text"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "no text on the page"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "too few pages"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "too few words"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "empty name after cleaning"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "OCR timed out"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "empty name"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "already copied"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "no template"),
    QT_TRANSLATE_NOOP("corvander::Reasons", "not renamed"),
};

} // namespace

QString shownReason(const QString& reason) {
    const QString hint = reasons::ocrHintForWindow();
    if (reason.endsWith(hint) && reason.size() > hint.size())
        return shownReason(reason.chopped(hint.size())) +
               QCoreApplication::translate(
                   "corvander::Reasons",
                   " (OCR is off: try Options > Read scanned pages with OCR)");
    static const QRegularExpression onPage(QStringLiteral("^no text on page (\\d+)$"));
    static const QRegularExpression pages(QStringLiteral("^the document has only (\\d+) pages?$"));
    static const QRegularExpression copied(QStringLiteral("^already copied as (.+)$"));
    // A template's field stays as the user wrote it.
    static const QRegularExpression noValue(QStringLiteral("^no value for (.+)$"));
    if (const QRegularExpressionMatch match = noValue.match(reason); match.hasMatch())
        return QCoreApplication::translate("corvander::Reasons", "no value for %1")
            .arg(match.captured(1));
    if (const QRegularExpressionMatch match = onPage.match(reason); match.hasMatch())
        return QCoreApplication::translate("corvander::Reasons", "no text on page %1")
            .arg(match.captured(1));
    if (const QRegularExpressionMatch match = pages.match(reason); match.hasMatch())
        return match.captured(1) == QLatin1String("1")
                   ? QCoreApplication::translate("corvander::Reasons",
                                                 "the document has only 1 page")
                   : QCoreApplication::translate("corvander::Reasons",
                                                 "the document has only %1 pages")
                         .arg(match.captured(1));
    if (const QRegularExpressionMatch match = copied.match(reason); match.hasMatch())
        return QCoreApplication::translate("corvander::Reasons", "already copied as %1")
            .arg(match.captured(1));
    for (const char* fixed : kFixedReasons) {
        if (reason == QLatin1String(fixed))
            return QCoreApplication::translate("corvander::Reasons", fixed);
    }
    return reason;
}

} // namespace corvander
