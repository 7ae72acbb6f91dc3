// Throughput of an update at each rate, with the simulated Vandrel pacing the line as a
// real serial port does: the image sent as it is, then packed.
//   flash_throughput [IMAGE]     (default: the demo VD4-NW.bin)

#include "flasher.h"
#include "serial_port_line.h"
#include "simulated_vandrel.h"
#include "system/files.h"
#include "system/serial_line.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Run {
    flash::TransferFigures figures;
    int result;
};

Run Update(const flash::FlashJob& job, int baud, bool compress)
{
    char folder[] = "/tmp/vdflash-throughput-XXXXXX";
    if (!::mkdtemp(folder))
        std::exit(1);
    const fs::path dir = folder;
    std::string why;
    Run run {};
    {
        SimulatedVandrel simulator(VANDREL_SIM, dir.string(), {"--model", "3"});
        sys::SerialLine line = sys::SerialLine::Claim(simulator.Device(), baud, why);
        flash::SerialPortLine link(line);
        std::ostringstream out;
        flash::Flasher flasher(link, out, [] { return false; });
        flash::FlashJob thisJob = job;
        thisJob.baud = baud;
        thisJob.compress = compress;
        run.result = flasher.Run(thisJob);
        run.figures = flasher.Figures();
    }
    fs::remove_all(dir);
    return run;
}

bool Load(const std::string& path, flash::Image& image)
{
    std::string bytes, error;
    return sys::ReadWholeFile(path, bytes) && flash::DecodeImage(bytes, image, error);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string bin = VDFLASH_PROGRAM_DIR "/bin/";
    flash::FlashJob job;
    job.imageName = argc > 1 ? argv[1] : bin + "VD4-NW.bin";
    job.verify = true;
    if (!Load(job.imageName, job.firmware) || !Load(bin + "coldload.bin", job.coldLoader) ||
        !Load(bin + "pilot.bin", job.pilotLoader)) {
        std::fprintf(stderr, "flash_throughput: cannot read the images\n");
        return 1;
    }
    std::printf("image %s, %zu bytes; paced simulator, 8N1 (line rate = bit/s / 10 bytes/s)\n", job.imageName.c_str(),
                job.firmware.payload.size());
    std::printf("%8s  %9s %8s %7s  %10s %8s %9s  %7s\n", "bit/s", "raw s", "share", "", "packed B", "s", "effective",
                "verify");
    for (const int baud : {9600, 19200, 57600, 115200}) {
        const Run raw = Update(job, baud, false);
        const Run packed = Update(job, baud, true);
        const double lineRate = baud / 10.0;
        const double bytes = static_cast<double>(job.firmware.payload.size());
        std::printf("%8d  %9.2f %7.1f%% %7s  %10zu %8.2f %8.1f%%  %6.2f%%%s\n", baud, raw.figures.seconds,
                    100 * bytes / raw.figures.seconds / lineRate, "", packed.figures.wireBytes, packed.figures.seconds,
                    100 * bytes / packed.figures.seconds / lineRate,
                    100 * raw.figures.verifySeconds / (raw.figures.seconds + raw.figures.verifySeconds),
                    raw.result || packed.result ? "  (a run failed)" : "");
    }
    return 0;
}
