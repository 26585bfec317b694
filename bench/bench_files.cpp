#include "bench/bench_files.h"

#include "tests/support/pdf_writer.h"

#include <QRandomGenerator>

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

QString sentence(QRandomGenerator& random, int words) {
    QStringList picked;
    for (int i = 0; i < words; ++i)
        picked.append(kWords[random.bounded(int(kWords.size()))]);
    return picked.join(QLatin1Char(' '));
}

} // namespace

QStringList makeBenchPdfs(const QString& folder, int count) {
    // A fixed seed: every run times the same documents.
    QRandomGenerator random(20210831);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        PdfDocument doc;
        const int pageCount = 1 + i % 3;
        for (int page = 0; page < pageCount; ++page) {
            QStringList lines;
            for (int line = 0; line < 30; ++line)
                lines.append(sentence(random, 8 + random.bounded(6)));
            doc.pages.append(lines);
        }
        doc.info = {{QStringLiteral("Author"), sentence(random, 2)},
                    {QStringLiteral("Title"), sentence(random, 4)},
                    {QStringLiteral("CreationDate"), QStringLiteral("D:20120313090643Z")}};
        const QString path =
            folder + QStringLiteral("/document %1.pdf").arg(i + 1, 4, 10, QLatin1Char('0'));
        if (!writePdf(path, doc))
            return {};
        paths.append(path);
    }
    return paths;
}
