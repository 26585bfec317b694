#pragma once

// The words in which the program says why a file was not read or named. The check, a run, the
// preview, the journal and the command line all take them from here, so that one cause reads the
// same everywhere.

#include <QString>

namespace corvander::reasons {

// The whole document was read and has no words (a scan, with OCR off or finding nothing).
inline QString noText() {
    return QStringLiteral("no text");
}
// The document has words, but fewer than 10 bytes of text (the check's threshold).
inline QString tooLittleText() {
    return QStringLiteral("too little text");
}
// The one page a mode reads has no words; other pages may have some.
inline QString noTextOnPage(int page) {
    return QStringLiteral("no text on page %1").arg(page);
}
// The page a mode asks for comes after the last one.
inline QString tooFewPages(int pageCount) {
    return pageCount == 1 ? QStringLiteral("the document has only 1 page")
                          : QStringLiteral("the document has only %1 pages").arg(pageCount);
}
inline QString tooFewWords() {
    return QStringLiteral("too few words");
}
inline QString unreadable() {
    return QStringLiteral("unreadable");
}
inline QString timedOut() {
    return QStringLiteral("timed out");
}
inline QString ocrTimedOut() {
    return QStringLiteral("OCR timed out");
}
// Protected, and no password was given for it.
inline QString passwordNeeded() {
    return QStringLiteral("password needed");
}
// Protected, and the password given did not open it.
inline QString wrongPassword() {
    return QStringLiteral("wrong password");
}

// Added to "no text" when OCR is off: where OCR is turned on.
inline QString ocrHintForCommandLine() {
    return QStringLiteral(" (OCR is off: try --ocr)");
}
inline QString ocrHintForWindow() {
    return QStringLiteral(" (OCR is off: try Options > Read scanned pages with OCR)");
}

} // namespace corvander::reasons
