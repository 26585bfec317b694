#pragma once

#include "extract/extractor.h"

#include <QString>

namespace corvander {

class ProgressView;

class Waiter;

// While the window waits for the extraction of the file whose turn it is, the bar tells the user
// that a slow file is still under way: from the 50th wait of 100 ms on (about five seconds) its
// text reads "Please wait.. N", and its value creeps forward now and then, never past the share of
// the current file. Afterwards the text goes back to baseText, or "Progress Bar" when that is
// empty.
class WaitingProgress {
public:
    WaitingProgress(ProgressView* bar, QString baseText, int startValue, int fileCount);
    // A note (what the worker is doing now) takes the text's place while there is one.
    void tick(const QString& note = {});
    void finish();

private:
    ProgressView* m_bar;
    QString m_baseText;
    int m_startValue;
    int m_fileCount;
    int m_counter = 0;
    bool m_showsNote = false;
};

// Waits, through the window, for the result of a request sent to the extractor; with a bar, a long
// wait shows as above, and a page read by OCR as ocrNote() says.
ExtractResult waitForResult(Extractor& pool, Waiter& waiter, Extractor::Ticket ticket,
                            WaitingProgress* progress = nullptr);

// Sends the request and waits for its result, showing nothing.
ExtractResult extractNow(Extractor& pool, Waiter& waiter, const ExtractRequest& request);

// What the bar says while OCR reads a page: "OCR page I of N: FILE", counting the file's pages
// that OCR has begun out of those it reads, or "OCR: page P of FILE" for a file of which it
// reads one page only.
QString ocrNote(const Extractor::OcrPage& page);

// The bar's text at the given pass (50 and later).
QString waitingText(int counter, const QString& baseText);
// True for the passes that move the bar: 50, 200, 350, ...
bool isCreepPass(int counter);
// The bar's value at a creep pass.
int creepValue(int counter, int startValue, int fileCount);

} // namespace corvander
