// Placeholder until the worker's readers land: answers every request with status 2.
#include "extract/worker/frame_codec.h"

#include <cstdio>
#include <unistd.h>

int main() {
    using namespace corvander::protocol;
    FrameReader reader;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got <= 0)
            return 0;
        reader.append(std::string_view(buffer, static_cast<std::size_t>(got)));
        Fields request;
        FrameReader::State state;
        while ((state = reader.next(request)) == FrameReader::State::Frame) {
            Fields answer;
            answer.add(Tag::Id, request.value(Tag::Id));
            answer.addNumber(Tag::Status, kStatusOtherError);
            const std::string frame = answer.encode();
            if (::write(1, frame.data(), frame.size()) != static_cast<ssize_t>(frame.size()))
                return 0;
        }
        if (state == FrameReader::State::Broken)
            return 3;
    }
}
