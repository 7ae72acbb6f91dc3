// clRFU: writes a firmware image into a Vandrel over a serial port.
//   clRFU IMAGE -v -s PORT:BAUD -cl coldload.bin -pb pilot.bin

#include "flasher.h"
#include "options.h"
#include "serial_port_line.h"
#include "system/com_port_map.h"
#include "system/files.h"
#include "system/process_identity.h"
#include "system/serial_line.h"

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void RequestStop(int) { g_stopRequested = 1; }

bool LoadImage(const std::string& path, flash::ImageKind kind, const char* what, flash::Image& image)
{
    std::string bytes, error;
    if (!sys::ReadWholeFile(path, bytes)) {
        std::cout << "clRFU: cannot read " << what << " " << path << "\n";
        return false;
    }
    if (!flash::DecodeImage(bytes, image, error)) {
        std::cout << "clRFU: " << path << " is " << error << "; nothing was written\n";
        return false;
    }
    if (image.header.kind != kind) {
        std::cout << "clRFU: " << path << " is not " << what << "; nothing was written\n";
        return false;
    }
    return true;
}

std::string DeviceForPort(int port)
{
    if (const char* fixed = std::getenv("VDFLASH_COM_MAP"); fixed && *fixed)
        return sys::ComPortMap::Fixed(fixed).DevicePath(port);
    return sys::ComPortMap::ForUser(sys::UserComPortMapFile(sys::UserConfigHome()), sys::DiscoverSerialDevices())
        .DevicePath(port);
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<FlashOptions> options = ParseOptions(argc, argv, error);
    if (!options) {
        std::cout << "clRFU: " << error << "\n" << Usage();
        return flash::kUsage;
    }
    if (options->help) {
        std::cout << "clRFU: writes a firmware image into a Vandrel over a serial port.\n" << Usage();
        return flash::kSuccess;
    }

    flash::FlashJob job;
    job.imageName = options->image;
    job.verify = options->verify;
    job.compress = options->compress;
    job.baud = options->baud;
    if (!LoadImage(options->image, flash::ImageKind::Firmware, "a firmware image", job.firmware) ||
        !LoadImage(options->coldLoader, flash::ImageKind::ColdLoader, "the cold loader", job.coldLoader) ||
        !LoadImage(options->pilotLoader, flash::ImageKind::PilotLoader, "the pilot loader", job.pilotLoader))
        return flash::kBadFile;
    std::cout << "Image " << options->image << ": " << flash::ModelName(job.firmware.header.model) << " firmware "
              << job.firmware.header.version << ", " << job.firmware.payload.size() << " bytes\n";

    const std::string portName = "COM" + std::to_string(options->port);
    const std::string device = DeviceForPort(options->port);
    if (device.empty()) {
        std::cout << "clRFU: " << portName << " stands for no serial device here\n";
        return flash::kPortUnusable;
    }
    sys::SerialLine line = sys::SerialLine::Claim(device, options->baud, error);
    if (!line.IsOpen()) {
        std::cout << "clRFU: " << portName << " (" << device << ") cannot be used: " << error << "\n";
        return flash::kPortUnusable;
    }
    std::cout << "Port " << portName << " (" << device << ") at " << options->baud << " bit/s, 8N1\n";

    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, RequestStop);
    std::signal(SIGPIPE, SIG_IGN);
    flash::SerialPortLine link(line);
    flash::Flasher flasher(link, std::cout, [] { return g_stopRequested != 0; });
    return flasher.Run(job);
}
