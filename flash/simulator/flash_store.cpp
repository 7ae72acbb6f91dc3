#include "flash_store.h"

#include "bytes.h"
#include "crc32.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flash {

namespace {

constexpr off_t kRecordSize = 2048;
constexpr off_t kSlotsStart = 4096;
const char kRecordMagic[] = "VDBR";

bool WriteAt(int fd, const std::string& bytes, off_t at)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

std::string ReadAt(int fd, std::size_t size, off_t at)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size - done, at + static_cast<off_t>(done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

std::string FactoryPayload(std::uint8_t model, const std::string& version)
{
    std::string payload = "Factory firmware " + version + " for " + ModelName(model) + "\n";
    payload.resize(4096, '\xFF');
    return payload;
}

std::optional<FlashStore> FlashStore::Open(const std::string& path, std::uint8_t model, std::uint32_t flashSize,
                                           const std::string& factoryVersion, std::string& error)
{
    FlashStore store;
    store.m_flashSize = flashSize;
    store.m_fd = sys::UniqueFd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!store.m_fd.IsOpen()) {
        error = "cannot open the flash file " + path;
        return std::nullopt;
    }
    struct stat info {};
    ::fstat(store.m_fd.Get(), &info);
    const off_t size = kSlotsStart + 2 * static_cast<off_t>(flashSize);
    if (info.st_size < size && ::ftruncate(store.m_fd.Get(), size) != 0) {
        error = "cannot size the flash file " + path;
        return std::nullopt;
    }
    if (!store.Bootable()) {
        const std::string payload = FactoryPayload(model, factoryVersion);
        const ImageHeader header{ImageKind::Firmware, model, factoryVersion, static_cast<std::uint32_t>(payload.size()),
                                 Crc32(payload.data(), payload.size())};
        if (!WriteAt(store.m_fd.Get(), payload, kSlotsStart) || !store.WriteRecord(0, {1, 0, header})) {
            error = "cannot write the factory image";
            return std::nullopt;
        }
    }
    store.m_stagingSlot = 1 - store.Bootable()->slot;
    return store;
}

std::optional<FlashStore::Record> FlashStore::ReadRecord(int copy) const
{
    const std::string bytes = ReadAt(m_fd.Get(), 4 + 4 + 1 + kImageHeaderSize + 4, copy * kRecordSize);
    if (bytes.size() != 4 + 4 + 1 + kImageHeaderSize + 4 || bytes.compare(0, 4, kRecordMagic) != 0 ||
        GetU32(bytes, bytes.size() - 4) != Crc32(bytes.data(), bytes.size() - 4))
        return std::nullopt;
    Record record{GetU32(bytes, 4), bytes[8], {}};
    std::string error;
    if (record.slot < 0 || record.slot > 1 || !DecodeHeader(bytes.substr(9, kImageHeaderSize), record.header, error))
        return std::nullopt;
    return record;
}

bool FlashStore::WriteRecord(int copy, const Record& record)
{
    std::string bytes(kRecordMagic, 4);
    PutU32(bytes, record.count);
    bytes += static_cast<char>(record.slot);
    bytes += EncodeHeader(record.header);
    PutU32(bytes, Crc32(bytes.data(), bytes.size()));
    return WriteAt(m_fd.Get(), bytes, copy * kRecordSize) && ::fsync(m_fd.Get()) == 0;
}

std::optional<FlashStore::Record> FlashStore::Best(int* copy) const
{
    std::optional<Record> best;
    for (int candidate = 0; candidate < 2; ++candidate) {
        const std::optional<Record> record = ReadRecord(candidate);
        if (!record || record->header.length > m_flashSize)
            continue;
        const std::string payload = ReadSlot(record->slot, record->header.length);
        if (Crc32(payload.data(), payload.size()) != record->header.payloadCrc)
            continue;
        if (!best || record->count > best->count) {
            best = record;
            if (copy)
                *copy = candidate;
        }
    }
    return best;
}

std::optional<FlashStore::BootImage> FlashStore::Bootable() const
{
    const std::optional<Record> best = Best(nullptr);
    return best ? std::optional<BootImage>(BootImage{best->slot, best->header}) : std::nullopt;
}

bool FlashStore::WriteStaging(std::uint32_t offset, const std::string& bytes)
{
    if (static_cast<std::uint64_t>(offset) + bytes.size() > m_flashSize)
        return false;
    return WriteAt(m_fd.Get(), bytes, kSlotsStart + m_stagingSlot * static_cast<off_t>(m_flashSize) + offset);
}

std::string FlashStore::ReadSlot(int slot, std::uint32_t length) const
{
    return ReadAt(m_fd.Get(), std::min(length, m_flashSize), kSlotsStart + slot * static_cast<off_t>(m_flashSize));
}

bool FlashStore::Commit(const ImageHeader& header)
{
    int copy = 0;
    const std::optional<Record> best = Best(&copy);
    const int staging = best ? 1 - best->slot : 0;
    const std::string payload = ReadSlot(staging, header.length);
    if (payload.size() != header.length || Crc32(payload.data(), payload.size()) != header.payloadCrc)
        return false;
    if (::fsync(m_fd.Get()) != 0) // the image itself first, then the record that names it
        return false;
    if (!WriteRecord(best ? 1 - copy : 0, {best ? best->count + 1 : 1, staging, header}))
        return false;
    m_stagingSlot = 1 - staging;
    return true;
}

} // namespace flash
