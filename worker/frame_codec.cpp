#include "worker/frame_codec.h"

#include <charconv>

namespace corvander::protocol {

namespace {

void putLength(std::string& out, std::size_t length) {
    const auto value = static_cast<std::uint32_t>(length);
    out.push_back(static_cast<char>((value >> 24) & 0xFF));
    out.push_back(static_cast<char>((value >> 16) & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

std::uint32_t getLength(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

void Fields::add(Tag tag, std::string_view value) {
    m_fields.emplace_back(tag, std::string(value));
}

void Fields::addNumber(Tag tag, long long value) {
    add(tag, std::to_string(value));
}

std::string Fields::value(Tag tag) const {
    for (const auto& [fieldTag, fieldValue] : m_fields) {
        if (fieldTag == tag)
            return fieldValue;
    }
    return {};
}

bool Fields::has(Tag tag) const {
    for (const auto& field : m_fields) {
        if (field.first == tag)
            return true;
    }
    return false;
}

long long Fields::number(Tag tag, long long defaultValue) const {
    if (!has(tag))
        return defaultValue;
    const std::string text = value(tag);
    long long result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc() || end != text.data() + text.size())
        return defaultValue;
    return result;
}

std::string Fields::encode() const {
    std::size_t bodyLength = 0;
    for (const auto& field : m_fields)
        bodyLength += 5 + field.second.size();
    std::string frame;
    frame.reserve(4 + bodyLength);
    putLength(frame, bodyLength);
    for (const auto& [tag, value] : m_fields) {
        frame.push_back(static_cast<char>(tag));
        putLength(frame, value.size());
        frame.append(value);
    }
    return frame;
}

std::optional<Fields> decodeFields(std::string_view body) {
    Fields fields;
    std::size_t at = 0;
    while (at < body.size()) {
        if (body.size() - at < 5)
            return std::nullopt;
        const auto tag = static_cast<Tag>(static_cast<unsigned char>(body[at]));
        const std::uint32_t length = getLength(body.substr(at + 1, 4));
        at += 5;
        if (length > body.size() - at)
            return std::nullopt;
        fields.add(tag, body.substr(at, length));
        at += length;
    }
    return fields;
}

void FrameReader::append(std::string_view bytes) {
    // Drop what was handed out before the buffer grows again, so it never holds more than the
    // frame under way.
    if (m_start > 0) {
        m_buffer.erase(0, m_start);
        m_start = 0;
    }
    m_buffer.append(bytes);
}

FrameReader::State FrameReader::next(Fields& fields) {
    const std::string_view rest = std::string_view(m_buffer).substr(m_start);
    if (rest.size() < 4)
        return State::NeedMore;
    const std::uint32_t length = getLength(rest);
    if (length > kMaxFrameLength)
        return State::Broken;
    if (rest.size() - 4 < length)
        return State::NeedMore;
    std::optional<Fields> decoded = decodeFields(rest.substr(4, length));
    if (!decoded)
        return State::Broken;
    fields = std::move(*decoded);
    m_start += 4 + length;
    return State::Frame;
}

} // namespace corvander::protocol
