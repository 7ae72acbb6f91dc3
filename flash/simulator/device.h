#pragma once
// The simulated Vandrel's side of the link: frames in, frames out. What it runs after a
// reset is the bootable image of its flash.

#include "flash_store.h"
#include "protocol.h"

#include <string>
#include <vector>

namespace flash {

class Device {
public:
    Device(FlashStore& flash, std::uint8_t model);

    // Takes bytes from the line; gives the bytes the device sends back.
    std::string Receive(const std::string& bytes);
    // Power is cut and comes back: what was in memory is gone, the flash stays.
    void PowerCycle();
    // What the device has said on its own display since the last call.
    std::vector<std::string> TakeMessages();

    Stage CurrentStage() const { return m_stage; }

private:
    std::string Handle(const Frame& frame);
    std::string Reply(FrameType type, std::uint16_t sequence, const std::string& payload = {});
    std::string Begin(const Frame& frame);
    std::string Data(const Frame& frame);
    std::string End(const Frame& frame);
    std::string Verify(const Frame& frame);
    std::string Commit(const Frame& frame);
    void Boot();

    FlashStore& m_flash;
    std::uint8_t m_model;
    FrameParser m_parser;
    Stage m_stage = Stage::BootRom;
    std::string m_loaderVersion; // of the stage it runs: its boot ROM or the last loader
    bool m_receiving = false;
    ImageHeader m_object;
    std::string m_received; // the object so far, unpacked
    std::uint16_t m_expected = 0;
    int m_nakedFor = -1;
    bool m_staged = false; // a whole firmware image is in the staging slot
    std::vector<std::string> m_messages;
};

} // namespace flash
