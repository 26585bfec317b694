#include "naming/planned_file.h"

#include "extract/reason_texts.h"

#include <QStringList>

namespace corvander {

namespace {

// "word 4", "words 1-3", "words 10, 12"
QString wordsText(const QList<int>& numbers) {
    if (numbers.isEmpty())
        return QStringLiteral("no words");
    if (numbers.size() == 1)
        return QStringLiteral("word %1").arg(numbers.first());
    bool consecutive = true;
    for (qsizetype i = 1; i < numbers.size(); ++i)
        consecutive = consecutive && numbers.at(i) == numbers.at(i - 1) + 1;
    if (consecutive)
        return QStringLiteral("words %1-%2").arg(numbers.first()).arg(numbers.last());
    QStringList listed;
    for (const int number : numbers)
        listed << QString::number(number);
    return QStringLiteral("words ") + listed.join(QStringLiteral(", "));
}

QString pagesText(const ExtractRequest& request, int pageCount) {
    if (request.lastPageOnly)
        return QStringLiteral("the last page (page %1)").arg(pageCount);
    if (request.firstPage == 0 && request.lastPage == 0)
        return QStringLiteral("the document");
    return QStringLiteral("page %1").arg(request.firstPage);
}

QString contentText(const Provenance& provenance) {
    const WordPick& pick = provenance.pick;
    const QString pages = pagesText(provenance.request, provenance.pageCount);
    if (provenance.mode == 5 || provenance.mode == 6) {
        if (pick.ownName)
            return pick.hitOffset < 0
                       ? QStringLiteral("the file's own name (the search text is not in %1)")
                             .arg(pages)
                       : QStringLiteral("the file's own name (nothing stands %1 the search text)")
                             .arg(provenance.mode == 5 ? QStringLiteral("after")
                                                       : QStringLiteral("before"));
        return QStringLiteral("%1 %2 the search text, found at character %3 of %4")
            .arg(wordsText(pick.wordNumbers),
                 provenance.mode == 5 ? QStringLiteral("after") : QStringLiteral("before"))
            .arg(pick.hitOffset + 1)
            .arg(pages);
    }
    if (pick.wordNumbers.isEmpty())
        return pages;
    return wordsText(pick.wordNumbers) + QStringLiteral(" of ") + pages;
}

QString metadataText(const Provenance& provenance) {
    if (provenance.ownName)
        return QStringLiteral("the file's own name (the format is blank)");
    QStringList parts;
    for (const FieldSource& field : provenance.fields) {
        const QString source = !field.found    ? QStringLiteral("not in the document")
                               : field.fromXml ? QStringLiteral("from the XML metadata")
                                               : QStringLiteral("from the document information");
        parts << QStringLiteral("%1 = %2 %3").arg(field.placeholder, field.label, source);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

QString skipReasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::None:
        return {};
    case SkipReason::NoMode:
        return QStringLiteral("no rename mode");
    case SkipReason::NoWordList:
        return QStringLiteral("no word numbers");
    case SkipReason::NoSearchText:
        return QStringLiteral("no search text");
    case SkipReason::Unreadable:
        return reasons::unreadable();
    case SkipReason::PasswordNeeded:
        return reasons::passwordNeeded();
    case SkipReason::WrongPassword:
        return reasons::wrongPassword();
    case SkipReason::TimedOut:
        return reasons::timedOut();
    case SkipReason::NoText:
        return reasons::noText();
    case SkipReason::NoTextOnPage:
        return QStringLiteral("no text on the page");
    case SkipReason::TooFewPages:
        return QStringLiteral("too few pages");
    case SkipReason::TooFewWords:
        return reasons::tooFewWords();
    case SkipReason::EmptyName:
        return QStringLiteral("empty name after cleaning");
    case SkipReason::OcrTimedOut:
        return reasons::ocrTimedOut();
    case SkipReason::NoTemplateValue:
        return QStringLiteral("empty name");
    case SkipReason::AlreadyCopied:
        return QStringLiteral("already copied");
    }
    return {};
}

QString Provenance::family() const {
    if (byTemplate)
        return QStringLiteral("rename by template");
    return metadata ? QStringLiteral("rename by metadata")
                    : QStringLiteral("rename by content, mode %1").arg(mode);
}

QString Provenance::describe() const {
    if (byTemplate) {
        QStringList parts;
        for (const FieldValue& field : templateFields)
            parts << QStringLiteral("%1 = %2 (%3)").arg(field.field, field.value, field.source);
        return parts.join(QStringLiteral("; "));
    }
    return metadata ? metadataText(*this) : contentText(*this);
}

QString PlannedFile::skipText() const {
    return skipDetail.isEmpty() ? skipReasonText(skip) : skipDetail;
}

QString PlannedFile::skipTextWithHint(bool ocrOn, const QString& ocrHint) const {
    if (skip == SkipReason::NoText && !ocrOn)
        return skipText() + ocrHint;
    return skipText();
}

} // namespace corvander
