// Every fault of the line or the device at several points of an update: the device ends
// with the new image verified or the old one still bootable, and a rerun succeeds.

#include "device.h"
#include "fault_injector.h"
#include "flasher.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>
#include <chrono>
#include <random>
#include <sstream>
#include <thread>

namespace {

using namespace flash;

enum class FaultKind { Drop, Corrupt, Duplicate, Stall, Reset, Cut, Cancel };

const char* Name(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Drop: return "Drop";
    case FaultKind::Corrupt: return "Corrupt";
    case FaultKind::Duplicate: return "Duplicate";
    case FaultKind::Stall: return "Stall";
    case FaultKind::Reset: return "Reset";
    case FaultKind::Cut: return "Cut";
    case FaultKind::Cancel: return "Cancel";
    }
    return "";
}

// The line between host and device, in one process: the device's faults as the simulator
// makes them, and the host's own (the line cut, the user stopping clRFU).
class Wire final : public Line {
public:
    Wire(Device& device, FaultKind kind, long long at)
        : m_device(device), m_faults(DeviceFaults(kind, at)), m_cutAt(kind == FaultKind::Cut ? at : -1)
    {
    }

    bool Write(const std::string& bytes) override
    {
        if (m_cutAt >= 0 && m_sent + static_cast<long long>(bytes.size()) > m_cutAt)
            m_cut = true;
        m_sent += static_cast<long long>(bytes.size());
        if (m_cut)
            return false;
        const FaultInjector::Passed passed = m_faults.Pass(bytes);
        if (passed.stall)
            m_stalledUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
        if (passed.reset)
            m_device.PowerCycle();
        m_replies += m_device.Receive(passed.bytes);
        return true;
    }

    std::string Read(int timeoutMs, bool& failed) override
    {
        failed = m_cut;
        const auto now = std::chrono::steady_clock::now();
        if (now < m_stalledUntil) { // the device says nothing for a while
            const auto wait = std::chrono::steady_clock::duration(std::chrono::milliseconds(timeoutMs));
            std::this_thread::sleep_for(std::min(wait, m_stalledUntil - now));
            return {};
        }
        if (m_replies.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 5)));
            return {};
        }
        return std::exchange(m_replies, {});
    }

    long long Sent() const { return m_sent; }

private:
    static std::vector<Fault> DeviceFaults(FaultKind kind, long long at)
    {
        switch (kind) {
        case FaultKind::Drop: return {{Fault::Kind::Drop, at}};
        case FaultKind::Corrupt: return {{Fault::Kind::Corrupt, at}};
        case FaultKind::Duplicate: return {{Fault::Kind::Duplicate, at}};
        case FaultKind::Stall: return {{Fault::Kind::Stall, at}};
        case FaultKind::Reset: return {{Fault::Kind::Reset, at}};
        default: return {};
        }
    }

    Device& m_device;
    FaultInjector m_faults;
    long long m_cutAt;
    long long m_sent = 0;
    bool m_cut = false;
    std::chrono::steady_clock::time_point m_stalledUntil;
    std::string m_replies;
};

FlashJob Job()
{
    // Bytes that do not pack, so that most of the line's bytes are the image's.
    std::mt19937 random(42);
    std::string payload(20000, '\0');
    for (char& byte : payload)
        byte = static_cast<char>(random());
    FlashJob job;
    Image image;
    std::string error;
    DecodeImage(EncodeImage(ImageKind::Firmware, 3, "1.06", payload), job.firmware, error);
    DecodeImage(EncodeImage(ImageKind::ColdLoader, kAnyModel, "cold-2.1", std::string(1500, 'c')), job.coldLoader, error);
    DecodeImage(EncodeImage(ImageKind::PilotLoader, kAnyModel, "pilot-3.4", std::string(3000, 'p')), job.pilotLoader, error);
    job.imageName = "VD4-NW.bin";
    job.verify = true;
    job.baud = 115200;
    return job;
}

struct Bench {
    TempDir dir;
    std::string error;
    std::optional<FlashStore> store = FlashStore::Open(dir / "flash", 3, 65536, "1.00", error);
    Device device{*store, 3};
    FlashJob job = Job();
    std::string log; // what clRFU printed

    int Update(FaultKind kind, long long at, int cancelAfterReads = -1)
    {
        Wire wire(device, kind, at);
        std::ostringstream out;
        int reads = 0;
        Flasher flasher(wire, out, [&] { return cancelAfterReads >= 0 && ++reads > cancelAfterReads; });
        const int result = flasher.Run(job);
        log = out.str();
        return result;
    }
    std::string BootableVersion() const
    {
        const auto image = store->Bootable();
        return image ? image->header.version : "none";
    }
};

long long CleanRunBytes()
{
    Bench bench;
    Wire wire(bench.device, FaultKind::Drop, -1);
    std::ostringstream out;
    Flasher flasher(wire, out, [] { return false; });
    EXPECT_EQ(flasher.Run(bench.job), kSuccess) << out.str();
    return wire.Sent();
}

TEST(FaultFree, UpdatesAndBootsTheNewImage)
{
    Bench bench;
    EXPECT_EQ(bench.BootableVersion(), "1.00");
    EXPECT_EQ(bench.Update(FaultKind::Drop, -1), kSuccess);
    EXPECT_EQ(bench.BootableVersion(), "1.06");
    const auto messages = bench.device.TakeMessages();
    EXPECT_EQ(messages.back(), "Vandrel4 Network booted firmware 1.06");
}

TEST(FaultFree, AnImageForAnotherModelIsRefusedBeforeAnythingIsWritten)
{
    Bench bench;
    std::string error;
    DecodeImage(EncodeImage(ImageKind::Firmware, 4, "1.06", "x"), bench.job.firmware, error);
    EXPECT_EQ(bench.Update(FaultKind::Drop, -1), kRefused);
    EXPECT_EQ(bench.device.CurrentStage(), Stage::BootRom); // not even a loader was sent
    EXPECT_EQ(bench.BootableVersion(), "1.00");
}

struct MatrixCase {
    FaultKind kind;
    double where; // share of a clean run's bytes
};

void PrintTo(const MatrixCase& c, std::ostream* out) { *out << Name(c.kind) << " at " << c.where; }

class FaultMatrix : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(FaultMatrix, EndsVerifiedOrWithTheOldImageAndARerunSucceeds)
{
    static const long long total = CleanRunBytes();
    const long long at = static_cast<long long>(GetParam().where * static_cast<double>(total));
    Bench bench;
    const int result = GetParam().kind == FaultKind::Cancel ? bench.Update(FaultKind::Drop, -1, static_cast<int>(at / 2000))
                                                            : bench.Update(GetParam().kind, at);
    const std::string after = bench.BootableVersion();
    std::printf("fault %-9s at byte %6lld of %lld: exit %d, bootable %s\n", Name(GetParam().kind), at, total, result,
                after.c_str());
    if (result != kSuccess)
        std::printf("  %s\n", bench.log.substr(bench.log.rfind("clRFU:")).c_str());
    if (result == kSuccess)
        EXPECT_EQ(after, "1.06");
    else
        EXPECT_TRUE(after == "1.00" || after == "1.06") << after; // 1.06 only when the fault came after the commit
    EXPECT_EQ(bench.Update(FaultKind::Drop, -1), kSuccess);
    EXPECT_EQ(bench.BootableVersion(), "1.06");
}

std::vector<MatrixCase> Cases()
{
    std::vector<MatrixCase> cases;
    for (const FaultKind kind : {FaultKind::Drop, FaultKind::Corrupt, FaultKind::Duplicate, FaultKind::Stall,
                                 FaultKind::Reset, FaultKind::Cut, FaultKind::Cancel})
        for (const double where : {0.001, 0.1, 0.3, 0.6, 0.9, 0.999})
            cases.push_back({kind, where});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultMatrix, ::testing::ValuesIn(Cases()), [](const auto& row) {
    return std::string(Name(row.param.kind)) + "At" + std::to_string(static_cast<int>(row.param.where * 1000)) + "PerMille";
});

} // namespace
