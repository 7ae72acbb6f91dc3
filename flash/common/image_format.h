#pragma once
// The file format of firmware images and loaders ("VDFW"): a 36-byte header, then the
// payload.
//
//   offset  size  field
//   0       4     magic "VDFW"
//   4       1     format version, 1
//   5       1     kind: 0 firmware, 1 cold loader (coldload.bin), 2 pilot loader (pilot.bin)
//   6       1     model: catalogue index 0..7 (0xFF for loaders, which serve every model)
//   7       1     reserved, 0
//   8       16    version text, ASCII, NUL-padded
//   24      4     payload length, bytes
//   28      4     CRC-32 of the payload
//   32      4     CRC-32 of bytes 0..31
//
// All numbers are little-endian.

#include <cstdint>
#include <string>

namespace flash {

enum class ImageKind : std::uint8_t { Firmware = 0, ColdLoader = 1, PilotLoader = 2 };

inline constexpr std::size_t kImageHeaderSize = 36;
inline constexpr std::uint8_t kAnyModel = 0xFF;

struct ImageHeader {
    ImageKind kind = ImageKind::Firmware;
    std::uint8_t model = kAnyModel;
    std::string version;
    std::uint32_t length = 0;
    std::uint32_t payloadCrc = 0;
};

struct Image {
    ImageHeader header;
    std::string payload;
};

// The model names in catalogue order, for messages, and the stems of their image files.
const char* ModelName(std::uint8_t model);
const char* ModelStem(std::uint8_t model);
// The model of a stem ("VD4-NW") or an index ("3"); -1 for neither.
int ModelFromText(const std::string& text);

std::string EncodeHeader(const ImageHeader& header);
std::string EncodeImage(ImageKind kind, std::uint8_t model, const std::string& version, const std::string& payload);

// Decoding says what is wrong, or leaves error empty.
bool DecodeHeader(const std::string& bytes, ImageHeader& header, std::string& error);
bool DecodeImage(const std::string& bytes, Image& image, std::string& error);

} // namespace flash
