#include "naming/template/field_kinds.h"

#include <QRegularExpression>

// Dates: the first date of the text (or after a label), and the dates of the document
// information.

namespace corvander {

namespace {

const QString kDefaultFormat = QStringLiteral("%Y-%m-%d");

} // namespace

std::optional<QDate> printedInfoDate(const QString& printed) {
    // The information lines print a date as the C locale's "%c %Z" in local time,
    // "Thu Mar  7 10:00:00 2024 CET"; pdfinfo's -isodates form is read too.
    static const QRegularExpression localForm(
        QStringLiteral("^[A-Za-z]{3} ([A-Za-z]{3}) +([0-9]{1,2}) [0-9:]{8} ([0-9]{4})\\b"));
    static const QRegularExpression isoForm(
        QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})(?:T|$)"));
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    QDate date;
    if (const QRegularExpressionMatch local = localForm.match(printed); local.hasMatch()) {
        const qsizetype month = months.indexOf(local.captured(1));
        if (month >= 0)
            date = QDate(local.captured(3).toInt(), int(month) + 1, local.captured(2).toInt());
    } else if (const QRegularExpressionMatch iso = isoForm.match(printed); iso.hasMatch()) {
        date = QDate(iso.captured(1).toInt(), iso.captured(2).toInt(), iso.captured(3).toInt());
    }
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString formatOrDefault(const Alternative& alternative) {
    return alternative.format.isEmpty() ? kDefaultFormat : alternative.format;
}

std::optional<FieldResult> dateField(const Alternative& alternative,
                                     const PreparedDocument& document, const DateFinder& dates,
                                     DateOrder order, const QRegularExpression* search) {
    if (!document.hasText())
        return std::nullopt;
    const QString& text = document.text();
    qsizetype from = 0;
    QString label;
    if (search != nullptr) {
        const QRegularExpressionMatch hit = search->match(text);
        if (!hit.hasMatch())
            return std::nullopt;
        from = hit.capturedEnd();
        label = QStringLiteral(" after \"%1\"").arg(foundText(text, hit.capturedStart(), from));
    }
    const std::optional<FoundDate> found = dates.first(text, order, from);
    if (!found)
        return std::nullopt;
    QString source = QStringLiteral("date \"%1\"%2 on page %3")
                         .arg(foundText(text, found->start, found->start + found->length), label)
                         .arg(document.pageAt(found->start));
    if (found->ambiguous)
        source += QStringLiteral(", read as ") + dateOrderText(order);
    return FieldResult{formatDate(found->date, formatOrDefault(alternative)), source};
}

} // namespace corvander
