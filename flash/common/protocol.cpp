#include "protocol.h"

#include "bytes.h"
#include "crc32.h"

namespace flash {

std::string EncodeFrame(const Frame& frame)
{
    std::string body;
    body += static_cast<char>(frame.type);
    PutU16(body, frame.sequence);
    PutU16(body, static_cast<std::uint16_t>(frame.payload.size()));
    body += frame.payload;
    std::string out(1, static_cast<char>(kStartOfFrame));
    out += body;
    PutU32(out, Crc32(body.data(), body.size()));
    return out;
}

std::optional<Frame> FrameParser::Next()
{
    for (;;) {
        const std::size_t start = m_buffer.find(static_cast<char>(kStartOfFrame));
        if (start == std::string::npos) {
            m_buffer.clear();
            return std::nullopt;
        }
        m_buffer.erase(0, start);
        if (m_buffer.size() < 6)
            return std::nullopt;
        const std::size_t length = GetU16(m_buffer, 4);
        if (length > kMaxPayload) {
            m_buffer.erase(0, 1); // not a frame start after all
            ++m_rejected;
            continue;
        }
        if (m_buffer.size() < kFrameOverhead + length)
            return std::nullopt;
        const std::uint32_t crc = GetU32(m_buffer, 6 + length);
        if (crc != Crc32(m_buffer.data() + 1, 5 + length)) {
            m_buffer.erase(0, 1);
            ++m_rejected;
            continue;
        }
        Frame frame{static_cast<FrameType>(m_buffer[1]), GetU16(m_buffer, 2), m_buffer.substr(6, length)};
        m_buffer.erase(0, kFrameOverhead + length);
        return frame;
    }
}

std::string EncodeIdent(const Ident& ident)
{
    std::string out;
    out += static_cast<char>(ident.model);
    out += static_cast<char>(ident.stage);
    PutU32(out, ident.flashSize);
    std::string loader = ident.loaderVersion.substr(0, 16), running = ident.runningVersion.substr(0, 16);
    loader.resize(16, '\0');
    running.resize(16, '\0');
    return out + loader + running;
}

bool DecodeIdent(const std::string& payload, Ident& ident)
{
    if (payload.size() != 38)
        return false;
    const auto text = [&](std::size_t at) {
        std::string value = payload.substr(at, 16);
        return value.substr(0, value.find('\0'));
    };
    ident = {static_cast<std::uint8_t>(payload[0]), static_cast<Stage>(payload[1]), GetU32(payload, 2), text(6), text(22)};
    return true;
}

std::string EncodeData(const DataBlock& block)
{
    std::string out;
    PutU32(out, block.offset);
    PutU16(out, block.rawLength);
    out += static_cast<char>(block.packed ? 1 : 0);
    return out + block.bytes;
}

bool DecodeData(const std::string& payload, DataBlock& block)
{
    if (payload.size() < 7)
        return false;
    block = {GetU32(payload, 0), GetU16(payload, 4), payload[6] != 0, payload.substr(7)};
    return true;
}

} // namespace flash
