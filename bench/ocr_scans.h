#pragma once

#include <QList>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace corvander {

// The OCR benchmark's scans: pages of known text in English, German and French, drawn at 300 dpi
// as grey pictures and wrapped as PDFs without text.
// The scans' resolution, and how many words at the top of each page are scored.
constexpr int kScanDpi = 300;
constexpr int kScoredWords = 5;

struct Scan {
    QString pdf;
    QString image;
    // The page drawn straight from its text, without the scan's second drawing.
    QString sharpImage;
    QStringList firstWords;
    QString language;
};

// The first words read right, by the language of the page.
using Score = QMap<QString, int>;

QStringList wordsOf(const QString& text);
// The words at the same places that are the same.
int wordsRight(const QStringList& expected, const QString& text);
// A program's standard output; raises when it fails or takes longer than two minutes.
QByteArray
runTool(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Page after page: a scan PDF, and the page image as the worker draws it from that PDF (pdftoppm
// draws with the same rasteriser and settings), for the command.
QList<Scan> makeScans(const QString& folder);

} // namespace corvander
