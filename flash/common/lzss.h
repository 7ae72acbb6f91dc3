#pragma once
// LZSS as the transfer uses it: a flag byte before every eight items (bit set: a literal
// byte; bit clear: a two-byte match of 3 to 18 bytes up to 4096 bytes back). Matches may
// reach back before the block into what was sent earlier, so the receiver keeps what it
// has unpacked so far.

#include <string>

namespace flash {

// Packs data[begin, end), with data[0, begin) as history.
std::string Compress(const std::string& data, std::size_t begin, std::size_t end);
// Unpacks into output, which holds the history and grows by exactly rawLength bytes;
// false when the packed bytes are malformed.
bool Decompress(const std::string& packed, std::string& output, std::size_t rawLength);

} // namespace flash
