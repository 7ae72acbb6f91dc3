#pragma once
// The command line of clRFU, as the update script passes it:
//   clRFU IMAGE -v -s PORT:BAUD -cl LOADER -pb LOADER
// with the options in any order.

#include <optional>
#include <string>

struct FlashOptions {
    std::string image;
    std::string coldLoader;
    std::string pilotLoader;
    int port = 0;
    int baud = 0;
    bool verify = false;
    bool compress = true;
    bool help = false;
};

// Nothing, with a message for the user, when the command line is not of that shape.
std::optional<FlashOptions> ParseOptions(int argc, const char* const* argv, std::string& error);
const char* Usage();
