#include "image_format.h"

#include "bytes.h"
#include "crc32.h"

namespace flash {

namespace {

const char kMagic[] = "VDFW";
constexpr std::uint8_t kFormatVersion = 1;

const char* const kModelNames[] = {"Vandrel3 Plus", "Vandrel3 Network", "Vandrel4 Plus", "Vandrel4 Network",
                                   "Vandrel5 Plus", "Vandrel5 Network", "Vandrel6 Plus", "Vandrel6 Network"};

const char* const kModelStems[] = {"VD3-Plus", "VD3-NW", "VD4-Plus", "VD4-NW", "VD5-Plus", "VD5-NW", "VD6-Plus", "VD6-NW"};

} // namespace

const char* ModelName(std::uint8_t model) { return model < 8 ? kModelNames[model] : "any model"; }

const char* ModelStem(std::uint8_t model) { return model < 8 ? kModelStems[model] : "any"; }

int ModelFromText(const std::string& text)
{
    for (int model = 0; model < 8; ++model)
        if (text == kModelStems[model] || text == std::to_string(model))
            return model;
    return -1;
}

std::string EncodeHeader(const ImageHeader& header)
{
    std::string bytes(kMagic, 4);
    bytes += static_cast<char>(kFormatVersion);
    bytes += static_cast<char>(header.kind);
    bytes += static_cast<char>(header.model);
    bytes += '\0';
    std::string version = header.version.substr(0, 16);
    version.resize(16, '\0');
    bytes += version;
    PutU32(bytes, header.length);
    PutU32(bytes, header.payloadCrc);
    PutU32(bytes, Crc32(bytes.data(), bytes.size()));
    return bytes;
}

std::string EncodeImage(ImageKind kind, std::uint8_t model, const std::string& version, const std::string& payload)
{
    const ImageHeader header{kind, model, version, static_cast<std::uint32_t>(payload.size()),
                             Crc32(payload.data(), payload.size())};
    return EncodeHeader(header) + payload;
}

bool DecodeHeader(const std::string& bytes, ImageHeader& header, std::string& error)
{
    if (bytes.size() < kImageHeaderSize) {
        error = "too short to be an image";
        return false;
    }
    if (bytes.compare(0, 4, kMagic) != 0) {
        error = "not a Vandrel image (no VDFW header)";
        return false;
    }
    if (GetU32(bytes, 32) != Crc32(bytes.data(), 32)) {
        error = "its header is corrupted (checksum mismatch)";
        return false;
    }
    if (static_cast<unsigned char>(bytes[4]) != kFormatVersion || static_cast<unsigned char>(bytes[5]) > 2) {
        error = "an image format this utility does not know";
        return false;
    }
    header.kind = static_cast<ImageKind>(bytes[5]);
    header.model = static_cast<std::uint8_t>(bytes[6]);
    header.version = bytes.substr(8, 16);
    header.version.resize(header.version.find('\0') == std::string::npos ? 16 : header.version.find('\0'));
    header.length = GetU32(bytes, 24);
    header.payloadCrc = GetU32(bytes, 28);
    return true;
}

bool DecodeImage(const std::string& bytes, Image& image, std::string& error)
{
    if (!DecodeHeader(bytes, image.header, error))
        return false;
    const std::size_t have = bytes.size() - kImageHeaderSize;
    if (have < image.header.length) {
        error = "truncated: " + std::to_string(have) + " of " + std::to_string(image.header.length) + " bytes";
        return false;
    }
    if (have > image.header.length) {
        error = "has " + std::to_string(have - image.header.length) + " bytes past its end";
        return false;
    }
    image.payload = bytes.substr(kImageHeaderSize);
    if (Crc32(image.payload.data(), image.payload.size()) != image.header.payloadCrc) {
        error = "corrupted (checksum mismatch)";
        return false;
    }
    return true;
}

} // namespace flash
