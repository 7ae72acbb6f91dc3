// clRFU and vandrel-sim as the processes they are, on a pseudo-terminal.

#include "flash_store.h"
#include "pseudo_terminal.h"
#include "simulated_vandrel.h"
#include "system/child_process.h"
#include "system/files.h"
#include "system/serial_probe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class FlashProcesses : public ::testing::Test {
protected:
    TempDir dir;
    std::string bin = VDFLASH_PROGRAM_DIR "/bin";
    std::optional<SimulatedVandrel> simulator;

    void StartSimulator(std::vector<std::string> options = {})
    {
        options.insert(options.begin(), {"--model", "VD4-NW"});
        simulator.emplace(VANDREL_SIM, dir.Path().string(), options);
        ASSERT_FALSE(simulator->Device().empty());
        dir.Write("map.ini", "[Ports]\nCOM3=" + simulator->Device() + "\n");
        ::setenv("VDFLASH_COM_MAP", (dir / "map.ini").c_str(), 1);
    }

    // clRFU's exit status; what it printed lands in out.txt.
    int Flash(const std::string& image, int baud = 115200)
    {
        const std::string command = "cd '" + bin + "' && ./clRFU " + image + " -v -s 3:" + std::to_string(baud) +
                                    " -cl coldload.bin -pb pilot.bin > '" + (dir / "out.txt") + "' 2>&1";
        const int status = std::system(command.c_str());
        return WEXITSTATUS(status);
    }

    std::string Printed() const { return ReadFile(dir / "out.txt"); }

    std::string Bootable() const
    {
        std::string error;
        const auto store = flash::FlashStore::Open(simulator->FlashFile(), 3, 65536, "1.00", error);
        const auto image = store ? store->Bootable() : std::nullopt;
        return image ? image->header.version : "none";
    }
};

TEST_F(FlashProcesses, AnUpdateWritesVerifiesAndBootsTheNewFirmware)
{
    StartSimulator({"--unpaced"});
    EXPECT_EQ(Flash("VD4-NW.bin"), 0) << Printed();
    EXPECT_NE(Printed().find("Update successful: the Vandrel4 Network now has firmware 1.06."), std::string::npos);
    EXPECT_NE(Printed().find("the image on the device matches"), std::string::npos);
    EXPECT_NE(Printed().find("100%"), std::string::npos);
    EXPECT_EQ(Bootable(), "1.06");
}

TEST_F(FlashProcesses, BadImagesAndWrongModelsAreRefusedBeforeAnythingIsWritten)
{
    StartSimulator({"--unpaced"});
    EXPECT_EQ(Flash("VD5-Plus.bin"), 7);
    EXPECT_NE(Printed().find("VD5-Plus.bin is firmware for a Vandrel5 Plus, but the device is a Vandrel4 Network; nothing was written"),
              std::string::npos)
        << Printed();
    std::string image;
    sys::ReadWholeFile(bin + "/VD4-NW.bin", image);
    const std::string truncated = dir.Write("short.bin", image.substr(0, image.size() / 2));
    EXPECT_EQ(Flash(truncated), 2);
    EXPECT_NE(Printed().find("is truncated"), std::string::npos) << Printed();
    image[image.size() / 2] ^= 1;
    EXPECT_EQ(Flash(dir.Write("damaged.bin", image)), 2);
    EXPECT_NE(Printed().find("is corrupted (checksum mismatch); nothing was written"), std::string::npos) << Printed();
    EXPECT_EQ(Bootable(), "1.00");
}

TEST_F(FlashProcesses, APortHeldByAnotherProgramIsRefusedWithAMessage)
{
    StartSimulator({"--unpaced"});
    DeviceHolder otherProgram(simulator->Device(), DeviceHolder::How::Flock);
    EXPECT_EQ(Flash("VD4-NW.bin"), 3);
    EXPECT_NE(Printed().find("cannot be used: in use by another program"), std::string::npos) << Printed();
}

TEST_F(FlashProcesses, KilledOrHungUpMidWriteLeavesTheOldFirmwareAndARerunSucceeds)
{
    StartSimulator(); // paced: the write takes seconds at 19,200 bit/s
    for (const int signal : {SIGKILL, SIGHUP}) {
        const std::string command = "cd '" + bin + "' && exec ./clRFU VD4-NW.bin -v -s 3:19200 -cl coldload.bin -pb pilot.bin --no-compress > /dev/null";
        int error = 0;
        sys::ChildProcess flasher = sys::ChildProcess::Start("/bin/sh", {"-c", command}, error);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        ::kill(flasher.Pid(), signal);
        const int status = flasher.Wait();
        EXPECT_NE(status, 0);
        EXPECT_EQ(Bootable(), "1.00") << "after signal " << signal;
        // The device still takes in what the killed host had sent; then the port is free.
        for (int wait = 0; wait < 100 && sys::ProbeSerialDevice(simulator->Device()) != sys::PortState::Available; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(Flash("VD4-NW.bin", 115200), 0) << Printed();
    EXPECT_EQ(Bootable(), "1.06");
}

} // namespace

namespace {

struct SimulatorFault {
    const char* option;
};

void PrintTo(const SimulatorFault& fault, std::ostream* out) { *out << fault.option; }

class SimulatorFaults : public FlashProcesses, public ::testing::WithParamInterface<SimulatorFault> {};

TEST_P(SimulatorFaults, EndWithANewOrTheOldBootableImageAndARerunSucceeds)
{
    // Byte 9000 lies inside the image's data, after both loaders.
    StartSimulator({"--unpaced", "--stall-ms", "1500", GetParam().option, "9000"});
    const int first = Flash("VD4-NW.bin");
    const std::string after = Bootable();
    EXPECT_TRUE(first == 0 ? after == "1.06" : after == "1.00") << first << " " << after << "\n" << Printed();
    EXPECT_EQ(Flash("VD4-NW.bin"), 0) << Printed();
    EXPECT_EQ(Bootable(), "1.06");
}

INSTANTIATE_TEST_SUITE_P(Options, SimulatorFaults,
                         ::testing::Values(SimulatorFault{"--drop-at"}, SimulatorFault{"--corrupt-at"},
                                           SimulatorFault{"--duplicate-at"}, SimulatorFault{"--stall-at"},
                                           SimulatorFault{"--reset-at"}),
                         [](const ::testing::TestParamInfo<SimulatorFault>& row) {
                             std::string name = row.param.option + 2;
                             name.erase(name.find('-'), 1);
                             return name;
                         });

} // namespace
