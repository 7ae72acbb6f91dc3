// make-demo-bin: writes the demo contents of the bin folder: the eight firmware images
// of the version that Version.txt names, coldload.bin and pilot.bin.
//   make-demo-bin VERSION_TXT OUTPUT_DIR

#include "image_format.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Firmware-like bytes: code made of a small vocabulary of instruction words with varying
// operands, string tables, and erased (0xFF) space, as real images have.
std::string DemoPayload(int model, const std::string& version, std::size_t size, std::uint32_t seed)
{
    std::string payload;
    std::uint32_t state = seed;
    const auto next = [&state] {
        state = state * 1103515245U + 12345U;
        return state >> 16;
    };
    payload += "Vandrel firmware " + version + " model " + flash::ModelStem(static_cast<std::uint8_t>(model)) + "\n";
    const std::size_t codeEnd = size * 55 / 100, tablesEnd = size * 70 / 100;
    static const std::uint8_t opcodes[][2] = {{0x90, 0x21}, {0x3C, 0x00}, {0xE8, 0x12}, {0x8B, 0x45}, {0x89, 0x46}, {0xC3, 0x90}};
    while (payload.size() < codeEnd) {
        const auto* op = opcodes[next() % 6];
        payload += static_cast<char>(op[0]);
        payload += static_cast<char>(op[1]);
        payload += static_cast<char>(next() % 4 == 0 ? next() & 0xFF : 0x10);
        payload += static_cast<char>(next() % 8 == 0 ? next() & 0xFF : 0x00);
    }
    int entry = 0;
    for (; payload.size() < tablesEnd; ++entry)
        payload += "CH" + std::to_string(entry % 8) + " RS232 input " + std::to_string(entry % 5) + " ready;";
    payload.resize(size, '\xFF');
    return payload;
}

bool Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make-demo-bin VERSION_TXT OUTPUT_DIR\n";
        return 2;
    }
    std::ifstream versionFile(argv[1], std::ios::binary);
    std::string version;
    std::getline(versionFile, version);
    while (!version.empty() && (version.back() == '\r' || version.back() == ' '))
        version.pop_back();
    const std::string dir = argv[2];
    bool ok = true;
    for (int model = 0; model < 8; ++model)
        ok = ok && Write(dir + "/" + flash::ModelStem(static_cast<std::uint8_t>(model)) + ".bin",
                         flash::EncodeImage(flash::ImageKind::Firmware, static_cast<std::uint8_t>(model), version,
                                            DemoPayload(model, version, 32768, 0x5EED0000U + static_cast<std::uint32_t>(model))));
    ok = ok && Write(dir + "/coldload.bin", flash::EncodeImage(flash::ImageKind::ColdLoader, flash::kAnyModel, "cold-2.1",
                                                             DemoPayload(0, "cold", 2048, 7)));
    ok = ok && Write(dir + "/pilot.bin", flash::EncodeImage(flash::ImageKind::PilotLoader, flash::kAnyModel, "pilot-3.4",
                                                          DemoPayload(0, "pilot", 4096, 11)));
    return ok ? 0 : 1;
}
