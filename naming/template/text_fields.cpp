#include "naming/template/field_kinds.h"

// words, after, before and if: values read from the text's words.

namespace corvander {

namespace {

QString wordsLabel(int first, int last) {
    return first == last ? QStringLiteral("word %1").arg(first)
                         : QStringLiteral("words %1-%2").arg(first).arg(last);
}

} // namespace

QString pageText(const PreparedDocument& document, const PageRef& page) {
    const int number = document.pageNumber(page);
    return page.last ? QStringLiteral("page %1, the last").arg(number)
                     : QStringLiteral("page %1").arg(number);
}

QString foundText(QStringView text, qsizetype start, qsizetype end) {
    return joinedWords(text, wordsIn(text, {start, end}));
}

std::optional<FieldResult> wordsField(const Alternative& alternative,
                                      const PreparedDocument& document) {
    if (!document.hasText())
        return std::nullopt;
    TextSpan span{0, document.text().size()};
    QString where = QStringLiteral("the document");
    if (alternative.page) {
        const auto page = document.pageSpan(*alternative.page);
        if (!page)
            return std::nullopt;
        span = *page;
        where = pageText(document, *alternative.page);
    }
    // Words past the last one wanted are never looked at, so a long text costs no more than
    // the words the field takes.
    const QList<TextSpan> words = wordsIn(document.text(), span, alternative.last);
    if (words.size() < alternative.last || alternative.first < 1)
        return std::nullopt;
    return FieldResult{joinedWords(document.text(), words.mid(alternative.first - 1)),
                       wordsLabel(alternative.first, alternative.last) + QStringLiteral(" of ") +
                           where};
}

std::optional<FieldResult> besideField(const Alternative& alternative,
                                       const PreparedDocument& document,
                                       const QRegularExpression& search) {
    if (!document.hasText())
        return std::nullopt;
    const QString& text = document.text();
    const QRegularExpressionMatch hit = search.match(text);
    if (!hit.hasMatch())
        return std::nullopt;
    const qsizetype start = hit.capturedStart();
    const qsizetype end = hit.capturedEnd();
    const QString where = QStringLiteral("\"%1\" on page %2")
                              .arg(foundText(text, start, end))
                              .arg(document.pageAt(start));
    if (alternative.kind == FieldKind::Before) {
        const QList<TextSpan> words = wordsBefore(text, start, alternative.count);
        if (words.size() < alternative.count)
            return std::nullopt;
        return FieldResult{joinedWords(text, words), QStringLiteral("before ") + where};
    }
    if (alternative.restOfLine) {
        QString rest = text.mid(end, lineEndFrom(text, end) - end);
        qsizetype from = 0, to = rest.size();
        while (from < to && isTemplateSpace(rest.at(from)))
            ++from;
        while (to > from && isTemplateSpace(rest.at(to - 1)))
            --to;
        if (from == to)
            return std::nullopt;
        return FieldResult{rest.mid(from, to - from),
                           QStringLiteral("the rest of the line after ") + where};
    }
    const QList<TextSpan> words = wordsIn(text, {end, text.size()}, alternative.count);
    if (words.size() < alternative.count)
        return std::nullopt;
    return FieldResult{joinedWords(text, words), QStringLiteral("after ") + where};
}

std::optional<FieldResult> ifField(const Alternative&, const PreparedDocument& document,
                                   const QRegularExpression& search) {
    if (!document.hasText())
        return std::nullopt;
    const QRegularExpressionMatch hit = search.match(document.text());
    if (!hit.hasMatch())
        return std::nullopt;
    return FieldResult{QString(),
                       QStringLiteral("\"%1\" found on page %2")
                           .arg(foundText(document.text(), hit.capturedStart(), hit.capturedEnd()))
                           .arg(document.pageAt(hit.capturedStart()))};
}

} // namespace corvander
