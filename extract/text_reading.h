#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// Extractor output is UTF-8; everything read here comes back in composed form (NFC).

// The whole file as one text, line ends and form feeds as they stand. Bytes that are not valid
// UTF-8 become replacement characters and the rest of the text is kept. Raises an AppError when
// the file cannot be opened or read.
QString ReadWholeFile(const QString& path);

// The file's lines without their line ends (CR LF or LF); no elements for an empty file. A file
// that cannot be opened is reported once under "Main.ReadFileToStringFSOLine" and gives no lines.
QStringList ReadFileToStringFSOLine(Dialogs& dialogs, const QString& path);

// The file's size in bytes, the low 32 bits as a signed number; 0 when it cannot be opened.
int FileSize2(const QString& path);

// The output text file of a PDF in the work folder: the PDF's base name followed by ".txt".
// The readability check strips the extension from the whole path before taking the file name;
// the rename steps take the file name first. Both agree whenever the file name has an extension.
QString checkOutputPath(const QString& workFolder, const QString& pdfPath);
QString outputTextPath(const QString& workFolder, const QString& pdfPath);
