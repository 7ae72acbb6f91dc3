#include "options.h"

#include "system/serial_line.h"

#include <cstdlib>
#include <cstring>

namespace {

bool ParseNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(text.c_str());
    return true;
}

} // namespace

const char* Usage()
{
    return "usage: clRFU IMAGE -s PORT:BAUD -cl COLDLOADER -pb PILOT [-v] [--no-compress]\n"
           "  IMAGE            the firmware image (.bin) to write\n"
           "  -s PORT:BAUD     COM port number and rate in bit/s, for example -s 3:57600\n"
           "  -cl COLDLOADER   the cold loader (coldload.bin)\n"
           "  -pb PILOT        the pilot loader (pilot.bin)\n"
           "  -v               read the image back on the device and compare it\n"
           "  --no-compress    send the image as it is\n"
           "Options may come in any order.\n";
}

std::optional<FlashOptions> ParseOptions(int argc, const char* const* argv, std::string& error)
{
    FlashOptions options;
    bool portGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const auto value = [&](const char* what) -> std::optional<std::string> {
            if (i + 1 >= argc) {
                error = word + " needs " + what;
                return std::nullopt;
            }
            return std::string(argv[++i]);
        };
        if (word == "--help" || word == "-h" || word == "/?") {
            options.help = true;
            return options;
        }
        if (word == "-v") {
            options.verify = true;
        } else if (word == "--no-compress") {
            options.compress = false;
        } else if (word == "-s") {
            const auto given = value("PORT:BAUD");
            if (!given)
                return std::nullopt;
            const auto colon = given->find(':');
            if (colon == std::string::npos || !ParseNumber(given->substr(0, colon), options.port) ||
                !ParseNumber(given->substr(colon + 1), options.baud) || options.port < 1 || options.port > 255) {
                error = "-s wants PORT:BAUD, such as 3:57600, not " + *given;
                return std::nullopt;
            }
            if (!sys::SerialLine::IsSupportedRate(options.baud)) {
                error = std::to_string(options.baud) + " bit/s is not a rate this utility can set";
                return std::nullopt;
            }
            portGiven = true;
        } else if (word == "-cl") {
            const auto given = value("the cold loader file");
            if (!given)
                return std::nullopt;
            options.coldLoader = *given;
        } else if (word == "-pb") {
            const auto given = value("the pilot loader file");
            if (!given)
                return std::nullopt;
            options.pilotLoader = *given;
        } else if (!word.empty() && word[0] == '-') {
            error = "unknown option " + word;
            return std::nullopt;
        } else if (options.image.empty()) {
            options.image = word;
        } else {
            error = "only one image can be written at a time (" + options.image + ", " + word + ")";
            return std::nullopt;
        }
    }
    if (options.image.empty())
        error = "no image named";
    else if (!portGiven)
        error = "no port given (-s PORT:BAUD)";
    else if (options.coldLoader.empty())
        error = "no cold loader given (-cl FILE)";
    else if (options.pilotLoader.empty())
        error = "no pilot loader given (-pb FILE)";
    if (!error.empty())
        return std::nullopt;
    return options;
}
