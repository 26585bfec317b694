#pragma once

// Frames and fields of the worker conversation (see extract_protocol.h), in plain C++ so that the
// worker needs no Qt.

#include "worker/extract_protocol.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvander::protocol {

// The fields of one frame, in the order they came.
class Fields {
public:
    void add(Tag tag, std::string_view value);
    void addNumber(Tag tag, long long value);

    // The first field with the tag; empty (or the default) when there is none.
    std::string value(Tag tag) const;
    bool has(Tag tag) const;
    long long number(Tag tag, long long defaultValue) const;

    // The frame: length, then the fields.
    std::string encode() const;

private:
    std::vector<std::pair<Tag, std::string>> m_fields;
};

// Takes bytes as they arrive and hands out whole frames.
class FrameReader {
public:
    enum class State { NeedMore, Frame, Broken };

    void append(std::string_view bytes);
    // The next whole frame's fields, if one is there; Broken when the bytes cannot be a frame.
    State next(Fields& fields);
    std::size_t buffered() const { return m_buffer.size() - m_start; }

private:
    std::string m_buffer;
    std::size_t m_start = 0;
};

// Decodes the fields of one frame's body; nullopt when a field runs past the end.
std::optional<Fields> decodeFields(std::string_view body);

} // namespace corvander::protocol
