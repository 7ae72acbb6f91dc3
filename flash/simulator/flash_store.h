#pragma once
// The simulated Vandrel's flash memory, kept in one file so that it survives restarts:
//
//   0      boot record, copy 0 (2048 bytes)
//   2048   boot record, copy 1
//   4096   slot 0 (flash size bytes)
//   ...    slot 1
//
// A boot record names the slot that boots and that image's header; the valid copy with
// the higher count wins. A new image is written into the slot that does not boot, and a
// commit writes the other record copy, so that a write cut off at any byte leaves the
// old image bootable.

#include "image_format.h"
#include "system/unique_fd.h"

#include <cstdint>
#include <optional>
#include <string>

namespace flash {

class FlashStore {
public:
    // Opens the file, or makes it with a factory image of factoryVersion for model.
    static std::optional<FlashStore> Open(const std::string& path, std::uint8_t model, std::uint32_t flashSize,
                                          const std::string& factoryVersion, std::string& error);

    struct BootImage {
        int slot;
        ImageHeader header;
    };
    // The image that boots; nothing if no slot holds an image that checks out.
    std::optional<BootImage> Bootable() const;

    std::uint32_t FlashSize() const { return m_flashSize; }
    // The slot that new images go to.
    int StagingSlot() const { return m_stagingSlot; }
    bool WriteStaging(std::uint32_t offset, const std::string& bytes);
    std::string ReadSlot(int slot, std::uint32_t length) const;
    // Makes the staged image bootable, if its bytes match its header.
    bool Commit(const ImageHeader& header);

private:
    struct Record {
        std::uint32_t count;
        int slot;
        ImageHeader header;
    };
    std::optional<Record> ReadRecord(int copy) const;
    bool WriteRecord(int copy, const Record& record);
    std::optional<Record> Best(int* copy) const;

    sys::UniqueFd m_fd;
    std::uint32_t m_flashSize = 0;
    int m_stagingSlot = 0;
};

// The firmware that leaves the factory in a Vandrel: a recognisable payload.
std::string FactoryPayload(std::uint8_t model, const std::string& version);

} // namespace flash
