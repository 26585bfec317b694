#pragma once

// Turns one request frame into its answer frame.

#include "extract/worker/frame_codec.h"

namespace corvander::worker {

struct HandlerSettings {
    // Whether "crash" and "hang" are obeyed; they exist for the program's tests only.
    bool testRequests = false;
};

// The answer's fields. "crash" and "hang", when obeyed, never return.
protocol::Fields answerRequest(const protocol::Fields& request, const HandlerSettings& settings);

} // namespace corvander::worker
