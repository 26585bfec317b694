#include "worker/request_loop.h"

#include <new>

namespace corvander::worker {

namespace {

using protocol::FrameReader;

enum class Outcome { Answered, ProgramGone, OutOfMemory };

Outcome answerOne(const Channels& channels, const protocol::Fields& request, const Limits& limits,
                  const HandlerSettings& settings) {
    startRequestBudget(limits);
    RequestHooks hooks;
    // A progress frame that cannot be sent is no loss: the answer's own write tells whether the
    // program is still there.
    hooks.sendProgress = [&channels](const protocol::Fields& progress) {
        writeAll(channels.answers, progress.encode());
    };
    hooks.extendBudget = [&limits](std::uint64_t extraSeconds) {
        startRequestBudget(limits, extraSeconds);
    };
    std::string frame;
    bool outOfMemory = false;
    try {
        frame = answerRequest(request, settings, hooks).encode();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        protocol::Fields answer;
        answer.add(protocol::Tag::Id, request.value(protocol::Tag::Id));
        answer.addNumber(protocol::Tag::Status, protocol::kStatusOtherError);
        answer.addNumber(protocol::Tag::PageCount, -1);
        answer.add(protocol::Tag::Error, "out of memory");
        frame = answer.encode();
    }
    const bool sent = writeAll(channels.answers, frame);
    frame = std::string();
    returnFreedMemory();
    if (!sent)
        return Outcome::ProgramGone;
    return outOfMemory ? Outcome::OutOfMemory : Outcome::Answered;
}

} // namespace

int runRequests(const Channels& channels, const Limits& limits, const HandlerSettings& settings) {
    FrameReader reader;
    std::string buffer(64 * 1024, '\0');
    for (;;) {
        const ssize_t got = readSome(channels.requests, buffer.data(), buffer.size());
        if (got <= 0)
            return kExitInputEnded;
        reader.append(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        protocol::Fields request;
        FrameReader::State state;
        while ((state = reader.next(request)) == FrameReader::State::Frame) {
            switch (answerOne(channels, request, limits, settings)) {
            case Outcome::Answered:
                break;
            case Outcome::ProgramGone:
                return kExitInputEnded;
            case Outcome::OutOfMemory:
                return kExitOutOfMemory;
            }
        }
        if (state == FrameReader::State::Broken)
            return kExitBrokenFrame;
    }
}

} // namespace corvander::worker
