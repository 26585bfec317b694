#pragma once

// Turns one request frame into its answer frame.

#include "worker/frame_codec.h"

#include <cstdint>
#include <functional>

namespace corvander::worker {

struct HandlerSettings {
    // Whether "crash" and "hang" are obeyed; they exist in the tests' build of the worker only.
    bool testRequests = false;
};

// What a request may do before it is answered: tell the program how far it got, and take more
// processor time for slow work.
struct RequestHooks {
    std::function<void(const protocol::Fields&)> sendProgress;
    // Renews the request's processor time, with this many seconds more than usual.
    std::function<void(std::uint64_t)> extendBudget;
};

// The answer's fields. "crash" and "hang", when obeyed, never return.
protocol::Fields answerRequest(const protocol::Fields& request, const HandlerSettings& settings,
                               const RequestHooks& hooks = {});

} // namespace corvander::worker
