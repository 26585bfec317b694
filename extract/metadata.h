#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// The document information of one PDF as the lines of the information extractor's output: the
// entries of a plain run ("Title:", "Pages:", "PDF version:", ...) and, when the document has an
// XML metadata stream, a line "Metadata:" followed by that XML. Empty when no output appeared.
// Errors are reported under "Form1.RenameMeta" and never reach the caller. The output file in
// the work folder is deleted before and after.
QStringList ReadDocumentInfo(Dialogs& dialogs, const QString& pdfinfoPath,
                             const QString& workFolder, const QString& pdfPath);

// The text after the first "label:" (letter case ignored) on the first line that holds it, with
// blanks (not tabs) trimmed from both ends; empty when no line holds it.
QString LookupInfoField(const QStringList& lines, const QString& label);
