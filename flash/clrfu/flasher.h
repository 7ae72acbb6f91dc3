#pragma once
// The host's side of an update: find the device, load the two loaders, write the image
// with a window of frames in flight, verify it, commit it, restart the device.

#include "image_format.h"
#include "protocol.h"

#include <functional>
#include <ostream>
#include <string>

namespace flash {

// The line to the device.
class Line {
public:
    virtual ~Line() = default;
    virtual bool Write(const std::string& bytes) = 0;
    // What arrives within timeoutMs (empty: nothing came); failed when the line broke.
    virtual std::string Read(int timeoutMs, bool& failed) = 0;
};

enum ExitCode {
    kSuccess = 0,
    kUsage = 1,
    kBadFile = 2,
    kPortUnusable = 3,
    kNoDevice = 4,
    kTransferFailed = 5,
    kVerifyFailed = 6,
    kRefused = 7,
    kCancelled = 8,
};

struct FlashJob {
    Image firmware, coldLoader, pilotLoader;
    std::string imageName;
    bool verify = false;
    bool compress = true;
    int baud = 115200;
};

struct TransferFigures {
    std::size_t imageBytes = 0; // image bytes written
    std::size_t wireBytes = 0;  // bytes of the image's data frames on the line, resends included
    double seconds = 0;
    double verifySeconds = 0;
};

class Flasher {
public:
    // cancelled is asked between frames; out receives the progress and the messages.
    Flasher(Line& line, std::ostream& out, std::function<bool()> cancelled);

    int Run(const FlashJob& job);
    const TransferFigures& Figures() const { return m_figures; }

private:
    std::optional<Frame> Request(FrameType type, const std::string& payload, FrameType answer, int attempts);
    std::optional<Frame> Await(std::uint16_t sequence, FrameType answer, int timeoutMs);
    int SendObject(const Image& image, const std::string& label, bool showProgress);
    void Progress(const std::string& label, std::size_t done, std::size_t total, double seconds, bool last);
    int Fail(int code, const std::string& message);
    int NoAnswer(int code, const std::string& message);
    int FrameTimeMs(std::size_t bytes) const;

    Line& m_line;
    std::ostream& m_out;
    std::function<bool()> m_cancelled;
    FrameParser m_parser;
    std::uint16_t m_controlSequence = 0x8000; // apart from the data frames' numbers
    int m_baud = 115200;
    bool m_compress = true;
    bool m_lineFailed = false;
    std::string m_refusal;
    TransferFigures m_figures;
};

} // namespace flash
