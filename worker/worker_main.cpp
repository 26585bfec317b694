// corvander-extract: reads PDF documents for the program, one request at a time, over its
// standard input and output (see extract_protocol.h).
#include "worker/pdf_library.h"
#include "worker/request_loop.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

int main(int, char* argv[]) {
    using namespace corvander::worker;
    // First, before anything holds a resource that a new start would lose.
    restartWithOneLibraryThread(argv);
    // A program that stops listening shows as a failed write, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    const std::optional<Channels> channels = takeOverStandardStreams();
    if (!channels)
        return 2;
    const Limits limits = limitsFromEnvironment();
    applyProcessLimits(limits);
    startPdfLibrary();

    HandlerSettings settings;
#ifdef CORVANDER_WORKER_TEST_REQUESTS
    const char* testRequests = std::getenv(corvander::protocol::kTestRequestsVariable);
    settings.testRequests = testRequests != nullptr && std::strcmp(testRequests, "1") == 0;
#endif
    return runRequests(*channels, limits, settings);
}
