#include "bench/ocr_scans.h"

#include "common/error_report.h"
#include "tests/support/scanned_pages.h"

#include <QProcess>
#include <QRegularExpression>

namespace corvander {

namespace {

// Each page: its language, then a title (whose first five words are scored) and body lines.
const QList<QStringList> kPages{
    {QStringLiteral("eng"), QStringLiteral("Annual report of the Aln Valley Field Station"),
     QStringLiteral("Rainfall was higher than in any of the last ten years,"),
     QStringLiteral("and the river reached its highest level since records began.")},
    {QStringLiteral("eng"), QStringLiteral("Invoice for copier paper and archive boxes"),
     QStringLiteral("Twenty boxes of paper and six archive boxes were delivered"),
     QStringLiteral("to the library on the fourteenth of March.")},
    {QStringLiteral("eng"), QStringLiteral("Minutes of the meeting held on Tuesday evening"),
     QStringLiteral("Present were the chair, the treasurer and four members."),
     QStringLiteral("The accounts for the year were approved without changes.")},
    {QStringLiteral("deu"), QStringLiteral("Rechnung f\u00fcr die Lieferung vom 3. Juni"),
     QStringLiteral("Wir bedanken uns f\u00fcr Ihren Auftrag und bitten um Zahlung"),
     QStringLiteral("innerhalb von drei\u00dfig Tagen ohne Abzug.")},
    {QStringLiteral("deu"),
     QStringLiteral("Jahresbericht der G\u00e4rtnerei M\u00fcller f\u00fcr 2023"),
     QStringLiteral("Die Ernte war gut, obwohl der Sommer sehr trocken war."),
     QStringLiteral("Im Herbst wurden zwei neue Gew\u00e4chsh\u00e4user gebaut.")},
    {QStringLiteral("deu"), QStringLiteral("K\u00fcndigung des Mietvertrags zum Ende des Monats"),
     QStringLiteral("Hiermit k\u00fcndige ich die Wohnung in der Lindenstra\u00dfe"),
     QStringLiteral("fristgerecht und bitte um eine schriftliche Best\u00e4tigung.")},
    {QStringLiteral("fra"), QStringLiteral("Relev\u00e9 de compte du troisi\u00e8me trimestre"),
     QStringLiteral("Les op\u00e9rations de la p\u00e9riode sont d\u00e9taill\u00e9es ci-dessous,"),
     QStringLiteral("avec le solde \u00e0 la fin de chaque mois.")},
    {QStringLiteral("fra"), QStringLiteral("Lettre de la biblioth\u00e8que municipale de Lyon"),
     QStringLiteral("Nous avons le plaisir de vous informer que votre carte"),
     QStringLiteral("de lecteur a \u00e9t\u00e9 renouvel\u00e9e pour une ann\u00e9e.")},
    {QStringLiteral("fra"), QStringLiteral("Compte rendu de la r\u00e9union du conseil"),
     QStringLiteral("Le conseil a d\u00e9cid\u00e9 de r\u00e9nover la salle des f\u00eates"),
     QStringLiteral("et de pr\u00e9parer le budget de l'ann\u00e9e prochaine.")},
};

// The PDF's first page as ROOT.png, grey at 300 dpi.
void pngOf(const QString& pdf, const QString& root) {
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-r"),
             QString::number(kScanDpi), QStringLiteral("-singlefile"), pdf, root});
}

} // namespace

QStringList wordsOf(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("[ \r\n\f]+")), Qt::SkipEmptyParts);
}

// The words at the same places that are the same.
int wordsRight(const QStringList& expected, const QString& text) {
    const QStringList read = wordsOf(text);
    int right = 0;
    for (qsizetype i = 0; i < expected.size(); ++i)
        right += i < read.size() && read[i] == expected[i] ? 1 : 0;
    return right;
}

QByteArray runTool(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        raiseError(QStringLiteral("%1 %2 failed").arg(program, arguments.join(QLatin1Char(' '))));
    return process.readAllStandardOutput();
}

// Page after page: a scan PDF, and the page image as the worker draws it from that PDF (pdftoppm
// draws with the same rasteriser and settings), for the command.
QList<Scan> makeScans(const QString& folder) {
    QList<Scan> scans;
    for (qsizetype i = 0; i < kPages.size(); ++i) {
        const QString language = kPages[i].first();
        const QStringList text = kPages[i].mid(1);
        QStringList lines = text;
        // Body lines repeated down the page, so that it is as full as a letter.
        for (int repeat = 0; repeat < 6; ++repeat)
            lines += text.mid(1) + QStringList{QString()};
        PdfDocument printed;
        printed.pages = {lines};
        const QString root = folder + QStringLiteral("/scan%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        const QString printedPdf = root + QStringLiteral("-printed.pdf");
        const std::optional<PdfGreyImage> picture =
            writePdf(printedPdf, printed) ? renderedPage(printedPdf, 1, kScanDpi) : std::nullopt;
        if (!picture)
            raiseError(QStringLiteral("could not draw %1").arg(printedPdf));
        PdfDocument scanned;
        addScannedPage(scanned, *picture, kScanDpi);
        if (!writePdf(root + QStringLiteral(".pdf"), scanned))
            raiseError(QStringLiteral("could not write %1.pdf").arg(root));
        pngOf(root + QStringLiteral(".pdf"), root);
        pngOf(printedPdf, root + QStringLiteral("-sharp"));
        scans.append({root + QStringLiteral(".pdf"), root + QStringLiteral(".png"),
                      root + QStringLiteral("-sharp.png"),
                      wordsOf(text.first()).mid(0, kScoredWords), language});
    }
    return scans;
}

} // namespace corvander
