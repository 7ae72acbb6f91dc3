#include "lzss.h"

#include <vector>

namespace flash {

namespace {

constexpr std::size_t kWindow = 4096;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr int kMaxChain = 64;

std::size_t Hash(const std::string& data, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(data[at + i]); };
    return ((b(0) << 8) ^ (b(1) << 4) ^ b(2)) & 0xFFF;
}

} // namespace

std::string Compress(const std::string& data, std::size_t begin, std::size_t end)
{
    std::vector<long> head(4096, -1), previous(data.size(), -1);
    const std::size_t historyStart = begin > kWindow ? begin - kWindow : 0;
    for (std::size_t at = historyStart; at + kMinMatch <= begin && at + kMinMatch <= data.size(); ++at) {
        const std::size_t h = Hash(data, at);
        previous[at] = head[h];
        head[h] = static_cast<long>(at);
    }
    std::string out;
    std::size_t flagAt = 0;
    int items = 8;
    std::size_t at = begin;
    while (at < end) {
        if (items == 8) {
            flagAt = out.size();
            out += '\0';
            items = 0;
        }
        std::size_t bestLength = 0, bestDistance = 0;
        if (at + kMinMatch <= end) {
            int chain = 0;
            for (long candidate = head[Hash(data, at)]; candidate >= 0 && chain < kMaxChain;
                 candidate = previous[static_cast<std::size_t>(candidate)], ++chain) {
                const std::size_t from = static_cast<std::size_t>(candidate);
                if (at - from > kWindow)
                    break;
                std::size_t length = 0;
                while (length < kMaxMatch && at + length < end && data[from + length] == data[at + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - from;
                }
            }
        }
        std::size_t step = 1;
        if (bestLength >= kMinMatch) {
            const std::size_t code = ((bestDistance - 1) << 4) | (bestLength - kMinMatch);
            out += static_cast<char>(code & 0xFF);
            out += static_cast<char>(code >> 8);
            step = bestLength;
        } else {
            out[flagAt] = static_cast<char>(out[flagAt] | (1 << items));
            out += data[at];
        }
        ++items;
        for (std::size_t i = 0; i < step; ++i, ++at)
            if (at + kMinMatch <= data.size()) {
                const std::size_t h = Hash(data, at);
                previous[at] = head[h];
                head[h] = static_cast<long>(at);
            }
    }
    return out;
}

bool Decompress(const std::string& packed, std::string& output, std::size_t rawLength)
{
    const std::size_t target = output.size() + rawLength;
    std::size_t at = 0;
    while (output.size() < target) {
        if (at >= packed.size())
            return false;
        const auto flags = static_cast<unsigned char>(packed[at++]);
        for (int item = 0; item < 8 && output.size() < target; ++item) {
            if (flags & (1 << item)) {
                if (at >= packed.size())
                    return false;
                output += packed[at++];
                continue;
            }
            if (at + 2 > packed.size())
                return false;
            const std::size_t code = static_cast<unsigned char>(packed[at]) | (static_cast<unsigned char>(packed[at + 1]) << 8);
            at += 2;
            const std::size_t distance = (code >> 4) + 1, length = (code & 0xF) + kMinMatch;
            if (distance > output.size() || output.size() + length > target)
                return false;
            for (std::size_t i = 0; i < length; ++i)
                output += output[output.size() - distance];
        }
    }
    return at == packed.size();
}

} // namespace flash
