#pragma once

#include "extract/file_identity.h"
#include "extract/page_words.h"
#include "naming/words/stop_rule.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvander {

// One question for an extraction worker.
struct ExtractRequest {
    enum class Kind { Text, Info, Languages, PageImage };

    Kind kind = Kind::Text;
    QString path;
    // As the text extractor's -f and -l; 0 means not given. PageImage: the page drawn (0: the
    // first).
    int firstPage = 0;
    int lastPage = 0;
    // The last page alone, whatever the page count is.
    bool lastPageOnly = false;
    QString password;
    // Pages without words are read by OCR in these languages; empty: no OCR. The pool sets it
    // from its OCR settings.
    QString ocrLanguages;
    // How much of the text the answer needs: the pages are read in order up to the page that
    // completes the rule (see extract_protocol.h).
    StopRule stop;
    // The reading also stops at the first page without words, which it leaves out; the pool
    // reads such pages by OCR on their own.
    bool stopAtWordless = false;
    // Text: the document information as well (info and xml, as Info answers them), read from
    // the same opening of the file.
    bool withInfo = false;
    // Text: the pages whose words and their boxes the answer carries, whether the text reaches
    // them or not; a negative number counts from the end (-1 is the last page). With OCR on, a
    // page without words gives the words OCR reads on it.
    QList<int> wordPages;
    // PageImage: the box in pixels the picture fits into, its proportions kept; a side that is 0
    // is the worker's default (about 600 pixels high, as wide as that makes it).
    QSize imageBox{0, 0};

    bool operator==(const ExtractRequest&) const = default;

    static ExtractRequest wholeText(const QString& path) { return ofKind(Kind::Text, path); }
    // The text from the first page up to the page that completes the rule.
    static ExtractRequest textUntil(const QString& path, const StopRule& stop) {
        ExtractRequest request = ofKind(Kind::Text, path);
        request.stop = stop;
        return request;
    }
    static ExtractRequest pageText(const QString& path, int page) {
        ExtractRequest request = ofKind(Kind::Text, path);
        request.firstPage = request.lastPage = page;
        return request;
    }
    static ExtractRequest lastPageText(const QString& path) {
        ExtractRequest request = ofKind(Kind::Text, path);
        request.lastPageOnly = true;
        return request;
    }
    static ExtractRequest information(const QString& path) { return ofKind(Kind::Info, path); }
    // The OCR languages installed on this machine.
    static ExtractRequest installedLanguages() { return ofKind(Kind::Languages, {}); }
    // Page `page` (from 1) drawn as it is seen, for people to look at, fitted into `box`.
    static ExtractRequest pageImage(const QString& path, int page = 1, QSize box = {0, 0}) {
        ExtractRequest request = ofKind(Kind::PageImage, path);
        request.firstPage = page;
        request.imageBox = box;
        return request;
    }

private:
    static ExtractRequest ofKind(Kind kind, const QString& path) {
        ExtractRequest request;
        request.kind = kind;
        request.path = path;
        return request;
    }
};

// What came back. Only an answer the worker finished is ever used: a worker that died or ran out
// of time leaves nothing but the outcome.
struct ExtractResult {
    enum class Outcome {
        Answered,   // status, page count and bytes below are the worker's
        WorkerDied, // crashed, aborted or killed from outside while on this document
        TimedOut,   // took longer than the time limit; the worker was replaced
        NoWorker,   // no worker could be started
        Dropped,    // the request was withdrawn before it was answered
    };

    Outcome outcome = Outcome::Dropped;
    // The command-line tool's exit status (0 done, 1 could not open, 99 page range, 2 other).
    int status = -1;
    int pageCount = -1;
    QByteArray text;
    QByteArray info;
    QByteArray xml;
    // The document is protected and the run's password (or none) did not open it.
    bool needsPassword = false;
    // ... and the password given was tried on it: it is the wrong one.
    bool passwordRejected = false;
    // With OCR: the pages OCR read to the end, and those whose OCR ran out of time.
    QList<int> ocrPages;
    QList<int> ocrTimedOut;
    // "languages": the installed OCR languages, in alphabetical order, "osd" left out.
    QStringList languages;
    // A short description from the worker (for people), when it gave one.
    QString error;
    // "text": how many pages were read for it; how many characters of the prepared text stand
    // before the text and were left out (the search text's place counts from the document's
    // start); with stopAtWordless, the page without words the reading stopped at (0: none).
    int pagesRead = 0;
    qint64 textOffset = 0;
    // Words before the search text that were left out with that text: the picked words' numbers
    // count from the document's start.
    qint64 wordOffset = 0;
    int wordlessPage = 0;
    // The state of the file that was read (its path left empty), once the worker had it open: a
    // copy is made only from that state.
    std::optional<FileIdentity> file;
    // Text with word pages: each page's words with their boxes, in page order, the text decoded
    // as the text is (UTF-8, composed form). A page whose words were too many to send is not
    // there but in wordPagesOmitted.
    QList<PageWords> pageWords;
    QList<int> wordPagesOmitted;
    // PageImage: the picture, a PNG file, and its size in pixels; the part of the page it shows
    // and the page's size, in the points of the word boxes (pixel x shows the point
    // pageArea.left() + x * pageArea.width() / imageSize.width(), and so on).
    QByteArray image;
    QSize imageSize;
    QRectF pageArea;
    QSizeF pageSize;

    // The text extractor would have written an output file.
    bool hasText() const { return outcome == Outcome::Answered && status == 0; }
};

} // namespace corvander
