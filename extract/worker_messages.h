#pragma once

#include "extract/extract_request.h"
#include "worker/frame_codec.h"

#include <string>

namespace corvander {

// What goes to a worker and what comes back, in the worker's frames.

// The request as a frame for the worker, with the ticket as its id; a page read by OCR may take
// the given time.
std::string encodeRequest(quint64 ticket, const ExtractRequest& request,
                          int ocrPageTimeoutMilliseconds = 120000);
// The worker's answer as a result.
ExtractResult decodeAnswer(const protocol::Fields& answer);

} // namespace corvander
