#pragma once

#include "extract/extract_request.h"
#include "extract/ocr_settings.h"

#include <QObject>
#include <QString>
#include <optional>

namespace corvander {

// What the run, the look-ahead and the readability check know of extraction: a request goes in
// and is answered later, told by finished(); its answer is taken by its ticket, or the request is
// withdrawn. The worker pool is the one the program uses.
class Extractor : public QObject {
    Q_OBJECT
public:
    using Ticket = quint64;

    // A page being read by OCR for a request, and the request's file; the ordinal counts the
    // request's pages that OCR has begun, out of the pages it may have to read (for a request
    // read up to a rule, all from its first page without words on, though the rule may stop
    // sooner).
    struct OcrPage {
        QString path;
        int page = 0;
        int ordinal = 0;
        int count = 0;
    };

    using QObject::QObject;

    virtual Ticket submit(const ExtractRequest& request) = 0;
    virtual bool isFinished(Ticket ticket) const = 0;
    // The bytes a finished request's result holds (text, information, XML); -1 while it is not
    // finished.
    virtual qint64 resultBytes(Ticket ticket) const = 0;
    // The result of a finished request; the extractor forgets the ticket.
    virtual ExtractResult take(Ticket ticket) = 0;
    // Withdraws a request: it is not sent if it still waits, and its answer is thrown away.
    virtual void drop(Ticket ticket) = 0;

    // The page being read by OCR for a request now, the page begun last when several are.
    virtual std::optional<OcrPage> ocrPageUnderWay(Ticket ticket) const = 0;
    // Why extraction cannot work at all, the first time it is asked; empty afterwards and while
    // it works.
    virtual QString takeStartFailure() = 0;
    // The OCR settings text requests are read with now, and from the next request on.
    virtual const OcrSettings& ocr() const = 0;
    virtual void setOcr(const OcrSettings& ocr) = 0;
    // How many requests are worked on at once.
    virtual int parallelRequests() const = 0;

Q_SIGNALS:
    void finished(corvander::Extractor::Ticket ticket);
};

} // namespace corvander
