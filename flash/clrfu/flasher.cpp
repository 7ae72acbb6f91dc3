#include "flasher.h"

#include "bytes.h"
#include "crc32.h"
#include "lzss.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace flash {

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

constexpr int kSyncAttempts = 25;
constexpr int kControlAttempts = 8; // outlasts a stall of two seconds
constexpr int kDataRetries = 12; // rewinds of the window without progress

std::string RefusalText(const Frame& frame)
{
    return frame.payload.size() > 1 ? frame.payload.substr(1) : std::string("refused");
}

} // namespace

Flasher::Flasher(Line& line, std::ostream& out, std::function<bool()> cancelled)
    : m_line(line), m_out(out), m_cancelled(std::move(cancelled))
{
}

int Flasher::FrameTimeMs(std::size_t bytes) const
{
    // Ten bit times a byte on an 8N1 line.
    return static_cast<int>((bytes * 10 * 1000 + static_cast<std::size_t>(m_baud) - 1) / static_cast<std::size_t>(m_baud));
}

int Flasher::NoAnswer(int code, const std::string& message)
{
    // A stop asked for by the user is not the device's silence.
    return m_cancelled() ? Fail(kCancelled, "stopped; the device keeps its old firmware") : Fail(code, message);
}

int Flasher::Fail(int code, const std::string& message)
{
    m_out << "\nclRFU: " << message << "\n";
    m_out.flush();
    return code;
}

std::optional<Frame> Flasher::Await(std::uint16_t sequence, FrameType answer, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (const std::optional<Frame> frame = m_parser.Next()) {
            if (frame->sequence == sequence && (frame->type == answer || frame->type == FrameType::Refused))
                return frame;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        bool failed = false;
        m_parser.Feed(m_line.Read(static_cast<int>(left), failed));
        if (failed) {
            m_lineFailed = true;
            return std::nullopt;
        }
    }
}

std::optional<Frame> Flasher::Request(FrameType type, const std::string& payload, FrameType answer, int attempts)
{
    const std::uint16_t sequence = ++m_controlSequence;
    const std::string bytes = EncodeFrame({type, sequence, payload});
    const int timeout = 250 + 4 * FrameTimeMs(bytes.size() + kFrameOverhead + 64);
    for (int attempt = 0; attempt < attempts && !m_lineFailed && !m_cancelled(); ++attempt) {
        if (!m_line.Write(bytes)) {
            m_lineFailed = true;
            break;
        }
        if (std::optional<Frame> reply = Await(sequence, answer, timeout))
            return reply;
    }
    return std::nullopt;
}

void Flasher::Progress(const std::string& label, std::size_t done, std::size_t total, double seconds, bool last)
{
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0;
    char line[160];
    std::snprintf(line, sizeof line, "\r%s %3u%%  %zu/%zu bytes  %.1f kB/s  %u:%02u left ", label.c_str(),
                  static_cast<unsigned>(total ? done * 100 / total : 100), done, total, rate / 1000,
                  static_cast<unsigned>(left) / 60, static_cast<unsigned>(left) % 60);
    m_out << line << (last ? "\n" : "");
    m_out.flush();
}

int Flasher::SendObject(const Image& image, const std::string& label, bool showProgress)
{
    const std::optional<Frame> begun = Request(FrameType::Begin, EncodeHeader(image.header), FrameType::Ack, kControlAttempts);
    if (!begun)
        return NoAnswer(kTransferFailed, "the device does not answer (" + label + ")");
    if (begun->type == FrameType::Refused) {
        m_refusal = RefusalText(*begun);
        return Fail(kRefused, "the device refuses " + label + ": " + m_refusal);
    }

    // Every frame is made before the transfer, so that a resend sends the same bytes.
    std::vector<std::string> frames;
    for (std::size_t offset = 0; offset < image.payload.size(); offset += kDataChunk) {
        const std::size_t end = std::min(image.payload.size(), offset + kDataChunk);
        DataBlock block{static_cast<std::uint32_t>(offset), static_cast<std::uint16_t>(end - offset), false,
                        image.payload.substr(offset, end - offset)};
        if (m_compress) {
            std::string packed = Compress(image.payload, offset, end);
            if (packed.size() < block.bytes.size()) {
                block.bytes = std::move(packed);
                block.packed = true;
            }
        }
        frames.push_back(EncodeFrame({FrameType::Data, static_cast<std::uint16_t>(frames.size()), EncodeData(block)}));
    }

    const auto start = Clock::now();
    const int ackTimeout = 300 + 3 * FrameTimeMs(kDataChunk + kFrameOverhead + 7);
    std::size_t base = 0, next = 0;
    int retries = 0;
    auto lastShown = Clock::now() - std::chrono::seconds(1);
    while (base < frames.size()) {
        if (m_cancelled())
            return Fail(kCancelled, "stopped; the device keeps its old firmware");
        while (next < frames.size() && next < base + kWindowFrames) {
            if (!m_line.Write(frames[next]))
                return Fail(kTransferFailed, "the serial line failed");
            m_figures.wireBytes += frames[next].size();
            ++next;
        }
        bool failed = false;
        m_parser.Feed(m_line.Read(ackTimeout, failed));
        if (failed)
            return Fail(kTransferFailed, "the serial line failed");
        bool heard = false;
        while (const std::optional<Frame> frame = m_parser.Next()) {
            const std::size_t named = frame->sequence;
            if (frame->type == FrameType::Ack && named > base && named <= frames.size()) {
                base = named;
                retries = 0;
                heard = true;
            } else if (frame->type == FrameType::Nak && named >= base && named < next) {
                next = named; // go back: everything from the missing frame again
                heard = true;
                if (++retries > kDataRetries)
                    return Fail(kTransferFailed, "too many damaged frames; the device keeps its old firmware");
            }
        }
        if (!heard) {
            next = base; // nothing within the time-out: send the window again
            if (++retries > kDataRetries)
                return Fail(kTransferFailed, "the device stopped answering; it keeps its old firmware");
        }
        if (showProgress && (Clock::now() - lastShown > std::chrono::milliseconds(100) || base == frames.size())) {
            lastShown = Clock::now();
            const std::size_t done = std::min(image.payload.size(), base * kDataChunk);
            Progress(label, done, image.payload.size(), SecondsSince(start), base == frames.size());
        }
    }
    m_figures.seconds += SecondsSince(start);

    const std::optional<Frame> done = Request(FrameType::End, {}, FrameType::Done, kControlAttempts);
    if (!done)
        return NoAnswer(kTransferFailed, "the device does not confirm " + label);
    if (done->type == FrameType::Refused)
        return Fail(kTransferFailed, "the device did not receive " + label + " whole: " + RefusalText(*done));
    return kSuccess;
}

int Flasher::Run(const FlashJob& job)
{
    m_baud = job.baud;
    m_compress = job.compress;
    m_out << "Looking for the Vandrel at " << job.baud << " bit/s ... ";
    m_out.flush();
    std::optional<Frame> identity = Request(FrameType::Sync, {}, FrameType::Ident, kSyncAttempts);
    Ident ident {};
    if (!identity || !DecodeIdent(identity->payload, ident))
        return NoAnswer(kNoDevice, "no Vandrel answers on this port at " + std::to_string(job.baud) +
                                   " bit/s; check the cable, the programming jumper and the rate");
    m_out << "found " << ModelName(ident.model) << ", running firmware "
          << (ident.runningVersion.empty() ? "(none)" : ident.runningVersion) << ", flash " << ident.flashSize / 1024
          << " KiB\n";
    if (ident.model != job.firmware.header.model)
        return Fail(kRefused, job.imageName + " is firmware for a " + ModelName(job.firmware.header.model) +
                                  ", but the device is a " + ModelName(ident.model) + "; nothing was written");
    if (job.firmware.header.length > ident.flashSize)
        return Fail(kRefused, job.imageName + " does not fit the device's flash; nothing was written");

    if (ident.stage == Stage::BootRom) {
        m_out << "Loading the cold loader " << job.coldLoader.header.version << " ... ";
        if (const int code = SendObject(job.coldLoader, "the cold loader", false))
            return code;
        m_out << "done\n";
    }
    if (ident.stage != Stage::Pilot) {
        m_out << "Loading the pilot loader " << job.pilotLoader.header.version << " ... ";
        if (const int code = SendObject(job.pilotLoader, "the pilot loader", false))
            return code;
        m_out << "done\n";
    }

    m_figures = {};
    m_figures.imageBytes = job.firmware.payload.size();
    if (const int code = SendObject(job.firmware, "Writing " + job.imageName, true))
        return code;

    if (job.verify) {
        const auto start = Clock::now();
        m_out << "Verifying ... ";
        const std::optional<Frame> verified = Request(FrameType::Verify, {}, FrameType::Verified, kControlAttempts);
        m_figures.verifySeconds = SecondsSince(start);
        if (!verified || verified->type != FrameType::Verified || verified->payload.size() != 4)
            return NoAnswer(kVerifyFailed, "the device did not read the image back; it keeps its old firmware");
        if (GetU32(verified->payload, 0) != job.firmware.header.payloadCrc)
            return Fail(kVerifyFailed, "the image on the device differs from " + job.imageName +
                                           "; it keeps its old firmware");
        m_out << "the image on the device matches\n";
    }

    const std::optional<Frame> committed = Request(FrameType::Commit, {}, FrameType::Committed, kControlAttempts);
    if (!committed || committed->type != FrameType::Committed)
        return NoAnswer(kTransferFailed, "the device did not take the new image; it keeps its old firmware");
    m_line.Write(EncodeFrame({FrameType::Reset, ++m_controlSequence, {}}));
    m_out << "Update successful: the " << ModelName(ident.model) << " now has firmware "
          << job.firmware.header.version << ".\n";
    m_out.flush();
    return kSuccess;
}

} // namespace flash
