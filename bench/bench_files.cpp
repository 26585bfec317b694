#include "bench/bench_files.h"

#include "tests/support/pdf_writer.h"

#include <QRandomGenerator>

namespace corvander {

namespace {

const QStringList kWords{
    QStringLiteral("annual"),  QStringLiteral("report"),   QStringLiteral("of"),
    QStringLiteral("the"),     QStringLiteral("northern"), QStringLiteral("region"),
    QStringLiteral("sales"),   QStringLiteral("grew"),     QStringLiteral("by"),
    QStringLiteral("twelve"),  QStringLiteral("percent"),  QStringLiteral("while"),
    QStringLiteral("costs"),   QStringLiteral("fell"),     QStringLiteral("slightly"),
    QStringLiteral("invoice"), QStringLiteral("number"),   QStringLiteral("customer"),
    QStringLiteral("délai"),   QStringLiteral("Müller"),   QStringLiteral("and"),
    QStringLiteral("meeting"), QStringLiteral("minutes"),  QStringLiteral("summary"),
};

constexpr quint32 kSeed = 20210831;

QString sentence(QRandomGenerator& random, int words) {
    QStringList picked;
    for (int i = 0; i < words; ++i)
        picked.append(kWords[random.bounded(int(kWords.size()))]);
    return picked.join(QLatin1Char(' '));
}

QStringList page(QRandomGenerator& random, int lines) {
    QStringList text;
    for (int line = 0; line < lines; ++line)
        text.append(sentence(random, 8 + random.bounded(6)));
    return text;
}

// A small XML metadata packet of the kind office programs write, so that the information reader
// has a stream to print.
QString xmpPacket(const QString& author, const QString& title) {
    return QStringLiteral(
               "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
               "   <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n"
               "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt>"
               "</dc:title>\n"
               "  </rdf:Description>\n"
               " </rdf:RDF>\n"
               "</x:xmpmeta>\n"
               "<?xpacket end=\"w\"?>")
        .arg(author, title);
}

QString numbered(const QString& folder, const QString& stem, int number) {
    return folder + QStringLiteral("/%1 %2.pdf").arg(stem).arg(number, 5, 10, QLatin1Char('0'));
}

} // namespace

QStringList makeBenchPdfs(const QString& folder, int count) {
    QRandomGenerator random(kSeed);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        PdfDocument doc;
        const int pageCount = 1 + i % 3;
        for (int p = 0; p < pageCount; ++p)
            doc.pages.append(page(random, 30));
        const QString author = sentence(random, 2);
        const QString title = sentence(random, 4);
        doc.info = {{QStringLiteral("Author"), author},
                    {QStringLiteral("Title"), title},
                    {QStringLiteral("CreationDate"), QStringLiteral("D:20120313090643Z")}};
        doc.xmpMetadata = xmpPacket(author, title);
        const QString path = numbered(folder, QStringLiteral("document"), i + 1);
        if (!writePdf(path, doc))
            return {};
        paths.append(path);
    }
    return paths;
}

QStringList makeLongPdfs(const QString& folder, int count, int pages, const QString& heading) {
    QRandomGenerator random(kSeed + 1);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        PdfDocument doc;
        for (int p = 0; p < pages; ++p)
            doc.pages.append(page(random, 30));
        if (!heading.isEmpty() && !doc.pages.isEmpty())
            doc.pages.first().prepend(heading.arg(i + 1));
        const QString path = numbered(folder, QStringLiteral("long document"), i + 1);
        if (!writePdf(path, doc))
            return {};
        paths.append(path);
    }
    return paths;
}

QStringList makeSmallPdfs(const QString& folder, int count) {
    QRandomGenerator random(kSeed + 2);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        PdfDocument doc;
        QStringList lines = page(random, 3);
        lines.prepend(QStringLiteral("memo %1 of").arg(i + 1));
        doc.pages.append(lines);
        const QString path = numbered(folder, QStringLiteral("memo"), i + 1);
        if (!writePdf(path, doc))
            return {};
        paths.append(path);
    }
    return paths;
}

} // namespace corvander
