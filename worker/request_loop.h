#pragma once

// Reads requests and writes answers until the program closes the worker's input.

#include "worker/request_handler.h"
#include "worker/worker_channels.h"
#include "worker/worker_limits.h"

namespace corvander::worker {

// Exit statuses of the worker itself.
inline constexpr int kExitInputEnded = 0;
inline constexpr int kExitBrokenFrame = 3;
// Memory ran out while reading a document: the answer (status 2) has been sent, but the PDF
// library may be left in a bad state, so the worker ends and the program starts another.
inline constexpr int kExitOutOfMemory = 4;

int runRequests(const Channels& channels, const Limits& limits, const HandlerSettings& settings);

} // namespace corvander::worker
