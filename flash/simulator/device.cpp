#include "device.h"

#include "bytes.h"
#include "crc32.h"
#include "lzss.h"

namespace flash {

namespace {

std::string Reason(RefusalReason reason, const std::string& text) { return std::string(1, static_cast<char>(reason)) + text; }

} // namespace

Device::Device(FlashStore& flash, std::uint8_t model) : m_flash(flash), m_model(model) { Boot(); }

void Device::Boot()
{
    m_stage = Stage::BootRom;
    m_loaderVersion = "rom-1";
    m_receiving = m_staged = false;
    m_received.clear();
    if (const auto image = m_flash.Bootable())
        m_messages.push_back(std::string(ModelName(m_model)) + " booted firmware " + image->header.version);
    else
        m_messages.push_back(std::string(ModelName(m_model)) + " has no bootable firmware");
}

void Device::PowerCycle()
{
    m_parser = FrameParser();
    Boot();
}

std::vector<std::string> Device::TakeMessages() { return std::exchange(m_messages, {}); }

std::string Device::Receive(const std::string& bytes)
{
    m_parser.Feed(bytes);
    std::string out;
    while (const std::optional<Frame> frame = m_parser.Next())
        out += Handle(*frame);
    return out;
}

std::string Device::Reply(FrameType type, std::uint16_t sequence, const std::string& payload)
{
    return EncodeFrame({type, sequence, payload});
}

std::string Device::Handle(const Frame& frame)
{
    switch (frame.type) {
    case FrameType::Sync: {
        m_receiving = false;
        const auto image = m_flash.Bootable();
        const std::string running = image ? image->header.version : std::string();
        return Reply(FrameType::Ident, frame.sequence,
                     EncodeIdent({m_model, m_stage, m_flash.FlashSize(), m_loaderVersion, running}));
    }
    case FrameType::Begin: return Begin(frame);
    case FrameType::Data: return Data(frame);
    case FrameType::End: return End(frame);
    case FrameType::Verify: return Verify(frame);
    case FrameType::Commit: return Commit(frame);
    case FrameType::Reset:
        Boot();
        return {};
    default: return {};
    }
}

std::string Device::Begin(const Frame& frame)
{
    ImageHeader header;
    std::string error;
    if (!DecodeHeader(frame.payload, header, error))
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::BadHeader, error));
    const Stage needed = header.kind == ImageKind::ColdLoader    ? Stage::BootRom
                         : header.kind == ImageKind::PilotLoader ? Stage::ColdLoader
                                                                 : Stage::Pilot;
    if (m_stage != needed)
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::WrongStage, "not at this stage"));
    if (header.kind == ImageKind::Firmware && header.model != m_model)
        return Reply(FrameType::Refused, frame.sequence,
                     Reason(RefusalReason::WrongModel, std::string("this is a ") + ModelName(m_model)));
    if (header.kind == ImageKind::Firmware && header.length > m_flash.FlashSize())
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::TooLarge, "larger than the flash"));
    m_object = header;
    m_receiving = true;
    m_received.clear();
    m_expected = 0;
    m_nakedFor = -1;
    m_staged = false;
    return Reply(FrameType::Ack, frame.sequence);
}

std::string Device::Data(const Frame& frame)
{
    if (!m_receiving)
        return {};
    if (frame.sequence != m_expected) {
        // An earlier frame again: say where we are. A later one: one frame went missing.
        const bool behind = static_cast<std::uint16_t>(frame.sequence - m_expected) > 0x8000;
        if (behind)
            return Reply(FrameType::Ack, m_expected);
        if (m_nakedFor == m_expected)
            return {};
        m_nakedFor = m_expected;
        return Reply(FrameType::Nak, m_expected);
    }
    DataBlock block;
    if (!DecodeData(frame.payload, block) || block.offset != m_received.size() ||
        m_received.size() + block.rawLength > m_object.length)
        return Reply(FrameType::Nak, m_expected);
    const std::size_t before = m_received.size();
    const bool unpacked = block.packed ? Decompress(block.bytes, m_received, block.rawLength)
                                       : (m_received += block.bytes, block.bytes.size() == block.rawLength);
    if (!unpacked) {
        m_received.resize(before);
        return Reply(FrameType::Nak, m_expected);
    }
    if (m_object.kind == ImageKind::Firmware && !m_flash.WriteStaging(block.offset, m_received.substr(before))) {
        m_received.resize(before);
        return Reply(FrameType::Nak, m_expected);
    }
    ++m_expected;
    return Reply(FrameType::Ack, m_expected);
}

std::string Device::End(const Frame& frame)
{
    if (!m_receiving)
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::Incomplete, "nothing is being received"));
    if (m_received.size() != m_object.length || Crc32(m_received.data(), m_received.size()) != m_object.payloadCrc)
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::Incomplete, "image incomplete"));
    m_receiving = false;
    if (m_object.kind == ImageKind::Firmware) {
        m_staged = true;
    } else {
        m_stage = m_object.kind == ImageKind::ColdLoader ? Stage::ColdLoader : Stage::Pilot;
        m_loaderVersion = m_object.version;
    }
    std::string payload;
    PutU32(payload, Crc32(m_received.data(), m_received.size()));
    return Reply(FrameType::Done, frame.sequence, payload);
}

std::string Device::Verify(const Frame& frame)
{
    if (!m_staged)
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::Incomplete, "no image staged"));
    // Read back from the flash itself, not from memory.
    const std::string flashed = m_flash.ReadSlot(m_flash.StagingSlot(), m_object.length);
    const std::uint32_t crc = Crc32(flashed.data(), flashed.size());
    std::string payload;
    PutU32(payload, crc);
    return Reply(FrameType::Verified, frame.sequence, payload);
}

std::string Device::Commit(const Frame& frame)
{
    // The flash checks the staged bytes against the header once more before it switches.
    if (!m_staged || !m_flash.Commit(m_object))
        return Reply(FrameType::Refused, frame.sequence, Reason(RefusalReason::NotVerified, "image not verified"));
    m_staged = false;
    return Reply(FrameType::Committed, frame.sequence);
}

} // namespace flash
