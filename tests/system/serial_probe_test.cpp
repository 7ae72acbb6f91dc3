#include "pseudo_terminal.h"
#include "system/serial_probe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using sys::PortState;

class SerialProbe : public ::testing::Test {
protected:
    TempDir places;
    sys::ProbePlaces where{places / "lock", places / "console"};
    PseudoTerminal pty;

    PortState Probe(const std::string& path) const { return sys::ProbeSerialDevice(path, where); }
    void WriteLock(const std::string& contents) const { places.Write("lock/" + sys::LockFileName(pty.Path()), contents); }
};

TEST_F(SerialProbe, AFreePseudoTerminalIsAvailableAndStaysFree)
{
    EXPECT_EQ(Probe(pty.Path()), PortState::Available);
    EXPECT_EQ(Probe(pty.Path()), PortState::Available); // nothing was left open or locked
}

TEST_F(SerialProbe, AHolderMakesItBusy)
{
    {
        DeviceHolder holder(pty.Path(), DeviceHolder::How::Flock);
        EXPECT_EQ(Probe(pty.Path()), PortState::Busy);
    }
    {
        DeviceHolder holder(pty.Path(), DeviceHolder::How::Exclusive);
        EXPECT_EQ(Probe(pty.Path()), PortState::Busy);
    }
    EXPECT_EQ(Probe(pty.Path()), PortState::Available);
}

TEST_F(SerialProbe, ALockFileCountsWhileItsProcessLives)
{
    WriteLock("      " + std::to_string(::getpid()) + "\n");
    EXPECT_EQ(Probe(pty.Path()), PortState::Busy);

    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    WriteLock(std::to_string(child) + "\n"); // stale: its process is gone
    EXPECT_EQ(Probe(pty.Path()), PortState::Available);

    WriteLock("garbage");
    EXPECT_EQ(Probe(pty.Path()), PortState::Available);
}

TEST_F(SerialProbe, TheSystemConsoleIsNeverOpened)
{
    places.Write("console", "tty0 " + pty.Path().substr(5) + "\n");
    EXPECT_EQ(Probe(pty.Path()), PortState::Console);
    EXPECT_EQ(Probe("/dev/console"), PortState::Console);
}

TEST_F(SerialProbe, WhatIsNoSerialPortIsUnusable)
{
    EXPECT_EQ(Probe(places / "missing"), PortState::Missing);
    EXPECT_EQ(Probe("/dev/null"), PortState::NotATerminal);
    EXPECT_EQ(Probe(places.Write("plain", "x")), PortState::NotATerminal);
}

TEST(LockFiles, NameTheDeviceBelowDev)
{
    EXPECT_EQ(sys::LockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(sys::LockFileName("/dev/pts/3"), "LCK..pts_3");
}

} // namespace
