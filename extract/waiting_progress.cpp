#include "extract/waiting_progress.h"

#include "common/path_helpers.h"
#include "common/vb_convert.h"
#include "common/waiter.h"
#include "common/window_port.h"
#include <QCoreApplication>

namespace corvander {

WaitingProgress::WaitingProgress(ProgressView* bar, QString baseText, int startValue, int fileCount)
    : m_bar(bar), m_baseText(std::move(baseText)), m_startValue(startValue),
      m_fileCount(fileCount) {}

void WaitingProgress::tick(const QString& note) {
    ++m_counter;
    if (!m_bar)
        return;
    if (!note.isEmpty()) {
        m_bar->setProgressText(note);
    } else if (m_counter >= 50) {
        m_bar->setProgressText(waitingText(m_counter, m_baseText));
    } else if (m_showsNote) {
        finish();
    }
    m_showsNote = !note.isEmpty();
    if (m_counter >= 50 && isCreepPass(m_counter))
        m_bar->setProgressValue(creepValue(m_counter, m_startValue, m_fileCount));
}

void WaitingProgress::finish() {
    if (m_bar)
        m_bar->setProgressText(
            m_baseText.isEmpty()
                ? QCoreApplication::translate("corvander::ReadabilityCheck", "Progress Bar")
                : m_baseText);
}

ExtractResult waitForResult(Extractor& pool, Waiter& waiter, Extractor::Ticket ticket,
                            WaitingProgress* progress) {
    waiter.waitUntil([&] { return pool.isFinished(ticket); },
                     [&] {
                         if (!progress)
                             return;
                         const auto ocr = pool.ocrPageUnderWay(ticket);
                         progress->tick(ocr ? ocrNote(*ocr) : QString());
                     });
    if (progress)
        progress->finish();
    return pool.take(ticket);
}

QString ocrNote(const Extractor::OcrPage& page) {
    const QString file = FileNameOf(page.path);
    if (page.count <= 1)
        return QCoreApplication::translate("corvander::ReadabilityCheck", "OCR: page %1 of %2")
            .arg(page.page)
            .arg(file);
    return QCoreApplication::translate("corvander::ReadabilityCheck", "OCR page %1 of %2: %3")
        .arg(page.ordinal)
        .arg(page.count)
        .arg(file);
}

ExtractResult extractNow(Extractor& pool, Waiter& waiter, const ExtractRequest& request) {
    return waitForResult(pool, waiter, pool.submit(request));
}

QString waitingText(int counter, const QString& baseText) {
    QString text = baseText;
    if (!baseText.isEmpty())
        text += QStringLiteral(", ");
    return text + QCoreApplication::translate("corvander::ReadabilityCheck", "Please wait.. ") +
           QString::number(counter - 50);
}

bool isCreepPass(int counter) {
    return counter >= 50 && (counter - 50) % 150 == 0;
}

int creepValue(int counter, int startValue, int fileCount) {
    double step = 0;
    double limit = 0;
    if (fileCount != 0) {
        step = roundHalfEven(100.0 / fileCount / 10.0);
        limit = roundHalfEven(100.0 / fileCount + startValue - step);
    } else {
        step = roundHalfEven((100.0 - startValue) / 10.0);
        limit = 100 - step;
    }
    const double value = (counter - 50) / 150.0 * step + startValue;
    if (value >= limit)
        return int(limit);
    return int(roundHalfEven(value));
}

} // namespace corvander
