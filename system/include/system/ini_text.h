#pragma once
// The INI text format: "[section]" lines and "key=value" lines below them. Names compare
// without regard to case; every line that is neither is kept as it stands.

#include <string>
#include <utility>
#include <vector>

namespace sys::ini {

bool ParseInt32(const std::string& text, int& value);
// The value text of entry in section, if the text has one.
bool FindValue(const std::string& text, const std::string& section, const std::string& entry, std::string& value);
// Every key and value of section, in file order.
std::vector<std::pair<std::string, std::string>> Entries(const std::string& text, const std::string& section);
// The text with entry of section set to value, every other line unchanged.
std::string WithValue(const std::string& text, const std::string& section, const std::string& entry,
                      const std::string& value);

} // namespace sys::ini
