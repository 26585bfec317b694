#include "tests/naming/learning_documents.h"

namespace corvander {

namespace {

// A one-page document as the extraction brings it: its lines ending in CR LF and the page in a
// form feed, the word boxes of the page (a line every 14 points, Helvetica-sized letters) and the
// information lines of an office program's export.
corvander::TemplateDocument documentOf(const QString& path, const QStringList& lines) {
    corvander::TemplateDocument document;
    document.path = path;
    document.text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\f");
    document.pageCount = 1;
    corvander::PageWords page{1, 612, 792, {}};
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const double top = 60 + 14 * double(line);
        double left = 72;
        for (const QString& word : lines.at(line).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const double right = left + 5.6 * double(word.size());
            page.words.append({word, left, top, right, top + 10});
            left = right + 3;
        }
    }
    document.pageWords = {page};
    document.infoLines =
        QStringList{QStringLiteral("Creator:         Writer"),
                    QStringLiteral("Producer:        LibreOffice 7.4"),
                    QStringLiteral("CreationDate:    Mon Dec  2 09:14:00 2024 UTC"),
                    QStringLiteral("Pages:           1"), QStringLiteral("PDF version:     1.7")};
    return document;
}

const QStringList kRecipient = {QStringLiteral("Jane Roe Trading"),
                                QStringLiteral("4 Mill Lane, Leeds LS1 4AB")};

QStringList items(int count) {
    const QStringList all = {
        QStringLiteral("Rope 20 m 45,00 EUR"), QStringLiteral("Anchor chain 3 m 120,00 EUR"),
        QStringLiteral("Shackle 4 pcs 18,00 EUR"), QStringLiteral("Fender 2 pcs 64,00 EUR")};
    return all.mid(0, count);
}

QStringList alder(int itemCount, const QString& project, const QString& number,
                  const QString& date) {
    return kRecipient +
           QStringList{QStringLiteral("Alder & Finch SARL"),
                       QStringLiteral("12 Harbour Road, Brest"), QStringLiteral("Invoice")} +
           items(itemCount) +
           QStringList{
               QStringLiteral("Project: ") + project, QStringLiteral("Invoice No.: ") + number,
               QStringLiteral("Invoice date: ") + date, QStringLiteral("Total due: 1 200,00 EUR"),
               QStringLiteral("Thank you for your business")};
}

QStringList bolt(int itemCount, const QString& number, const QString& delivered,
                 const QString& date, const QString& order) {
    return kRecipient +
           QStringList{QStringLiteral("Bolt GmbH"),
                       QStringLiteral("Industriestraße 5, 10115 Berlin"),
                       QStringLiteral("Rechnung"), QStringLiteral("Rechnungsnummer: ") + number,
                       QStringLiteral("Lieferung: ") + delivered} +
           items(itemCount) +
           QStringList{QStringLiteral("Auftrag 2024 ") + order + QStringLiteral(" vom Lager"),
                       QStringLiteral("Datum: ") + date, QStringLiteral("Summe: 80,00 EUR")};
}

QStringList cedar(int usageLines, const QString& account, const QString& date, const QString& due) {
    QStringList usage;
    for (int line = 0; line < usageLines; ++line)
        usage << QStringLiteral("Meter %1 read 1 204 kWh").arg(line + 1);
    return QStringList{QStringLiteral("CEDAR UTILITIES INC."),
                       QStringLiteral("PO Box 77, Springfield IL")} +
           kRecipient +
           QStringList{QStringLiteral("Statement"), QStringLiteral("Account: ") + account,
                       QStringLiteral("Statement Date: ") + date} +
           usage + QStringList{QStringLiteral("Amount due: $45.10"), QStringLiteral("Due: ") + due};
}

QStringList dune(const QString& number, const QString& date, const QString& account,
                 const QString& statementDate) {
    return kRecipient + QStringList{QStringLiteral("Dune Insurance Ltd"),
                                    QStringLiteral("Invoice"),
                                    QStringLiteral("Project: Harbour Works East"),
                                    QStringLiteral("Invoice No.: ") + number,
                                    QStringLiteral("Invoice date: ") + date,
                                    QStringLiteral("Account: ") + account,
                                    QStringLiteral("Statement Date: ") + statementDate,
                                    QStringLiteral("Premium: 300,00 EUR")};
}

} // namespace

LearningDocuments::LearningDocuments() {
    const struct {
        const char* id;
        const char* kind;
        QStringList lines;
        const char* name;
    } documents[] = {
        {"alder1", "alder",
         alder(1, QStringLiteral("Harbour Works East"), QStringLiteral("AF-7731"),
               QStringLiteral("07.05.2024")),
         "2024-05-07 Alder & Finch AF-7731"},
        {"alder2", "alder",
         alder(3, QStringLiteral("Mill"), QStringLiteral("AF-7790"), QStringLiteral("21.06.2024")),
         "2024-06-21 Alder & Finch AF-7790"},
        {"alder3", "alder",
         alder(2, QStringLiteral("North Quay Cranes Phase Two"), QStringLiteral("AF-7802"),
               QStringLiteral("03.07.2024")),
         "2024-07-03 Alder & Finch AF-7802"},
        {"bolt1", "bolt",
         bolt(1, QStringLiteral("R-2024-118"), QStringLiteral("15.12.2023"),
              QStringLiteral("12. März 2024"), QStringLiteral("ZX-88")),
         "2024/12.03.2024 Bolt R-2024-118"},
        {"bolt2", "bolt",
         bolt(4, QStringLiteral("R-2024-131"), QStringLiteral("28.02.2023"),
              QStringLiteral("3. April 2024"), QStringLiteral("QB-104")),
         "2024/03.04.2024 Bolt R-2024-131"},
        {"bolt3", "bolt",
         bolt(2, QStringLiteral("R-2025-007"), QStringLiteral("30.12.2024"),
              QStringLiteral("8. Januar 2025"), QStringLiteral("ZX-91")),
         "2025/08.01.2025 Bolt R-2025-007"},
        {"cedar1", "cedar",
         cedar(1, QStringLiteral("5512-0097"), QStringLiteral("03/12/2024"),
               QStringLiteral("03/28/2024")),
         "2024-03-12 Cedar 5512-0097"},
        {"cedar2", "cedar",
         cedar(3, QStringLiteral("5512-0143"), QStringLiteral("04/05/2024"),
               QStringLiteral("04/25/2024")),
         "2024-04-05 Cedar 5512-0143"},
        {"cedar3", "cedar",
         cedar(2, QStringLiteral("5512-0188"), QStringLiteral("11/22/2024"),
               QStringLiteral("12/15/2024")),
         "2024-11-22 Cedar 5512-0188"},
        {"dune1", "dune",
         dune(QStringLiteral("DI-5520"), QStringLiteral("02.04.2024"), QStringLiteral("5512-0300"),
              QStringLiteral("05/06/2024")),
         ""},
        {"dune2", "dune",
         dune(QStringLiteral("DI-5583"), QStringLiteral("19.08.2024"), QStringLiteral("5512-0311"),
              QStringLiteral("09/10/2024")),
         ""},
    };
    for (const auto& each : documents) {
        const QString id = QString::fromLatin1(each.id);
        m_documents.append(
            {id, QString::fromLatin1(each.kind),
             documentOf(QStringLiteral("/scans/") + id + QStringLiteral(".pdf"), each.lines),
             QString::fromUtf8(each.name)});
    }
}

const corvander::TemplateDocument& LearningDocuments::document(const QString& id) const {
    for (const LearningDocument& each : m_documents) {
        if (each.id == id)
            return each.document;
    }
    Q_ASSERT_X(false, "LearningDocuments", "unknown document");
    return m_documents.first().document;
}

QList<const corvander::TemplateDocument*> LearningDocuments::allBut(const QString& id) const {
    QList<const corvander::TemplateDocument*> others;
    for (const LearningDocument& each : m_documents) {
        if (each.id != id)
            others << &each.document;
    }
    return others;
}

} // namespace corvander
