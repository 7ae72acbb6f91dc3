#pragma once
// The link between clRFU and a Vandrel: frames on a raw 8N1 serial line, documented in
// flash/PROTOCOL.md.

#include <cstdint>
#include <optional>
#include <string>

namespace flash {

inline constexpr unsigned char kStartOfFrame = 0x7E;
inline constexpr std::size_t kFrameOverhead = 10; // start, type, sequence, length, CRC-32
inline constexpr std::size_t kMaxPayload = 1100;
inline constexpr std::size_t kDataChunk = 1024;   // image bytes per data frame, before packing
inline constexpr std::uint16_t kWindowFrames = 8; // data frames in flight

enum class FrameType : std::uint8_t {
    // host to device
    Sync = 0x01,
    Begin = 0x02,
    Data = 0x03,
    End = 0x04,
    Verify = 0x05,
    Commit = 0x06,
    Reset = 0x07,
    // device to host
    Ident = 0x81,
    Ack = 0x82,
    Nak = 0x83,
    Done = 0x84,
    Verified = 0x85,
    Committed = 0x86,
    Refused = 0x8F,
};

// What a device is running: its boot ROM, then each loader in turn.
enum class Stage : std::uint8_t { BootRom = 0, ColdLoader = 1, Pilot = 2 };

struct Frame {
    FrameType type;
    std::uint16_t sequence = 0;
    std::string payload;
};

std::string EncodeFrame(const Frame& frame);

// Finds frames in a byte stream, skipping noise and frames whose checksum fails.
class FrameParser {
public:
    void Feed(const std::string& bytes) { m_buffer += bytes; }
    std::optional<Frame> Next();
    std::size_t Rejected() const { return m_rejected; }

private:
    std::string m_buffer;
    std::size_t m_rejected = 0;
};

// Payloads.
struct Ident {
    std::uint8_t model;
    Stage stage;
    std::uint32_t flashSize;
    std::string loaderVersion;
    std::string runningVersion; // the bootable firmware's version
};
std::string EncodeIdent(const Ident& ident);
bool DecodeIdent(const std::string& payload, Ident& ident);

// Data: offset u32, raw length u16, packed flag u8, then the bytes.
struct DataBlock {
    std::uint32_t offset;
    std::uint16_t rawLength;
    bool packed;
    std::string bytes;
};
std::string EncodeData(const DataBlock& block);
bool DecodeData(const std::string& payload, DataBlock& block);

enum class RefusalReason : std::uint8_t {
    WrongModel = 1,
    WrongStage = 2,
    TooLarge = 3,
    BadHeader = 4,
    Incomplete = 5,
    NotVerified = 6,
};

} // namespace flash
