#include "crc32.h"
#include "image_format.h"
#include "lzss.h"
#include "options.h"
#include "protocol.h"

#include <gtest/gtest.h>

#include <ostream>

#include <random>

namespace {

using namespace flash;

TEST(Crc32, MatchesTheStandardCheckValue) { EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926U); }

TEST(Lzss, RoundTripsWhatItPacksAndReachesBackIntoEarlierBlocks)
{
    std::mt19937 random(7);
    std::string data;
    for (int i = 0; i < 3000; ++i)
        data += static_cast<char>(random() % 256);
    data += std::string(5000, '\xFF') + data.substr(100, 2000) + "tail";
    std::string unpacked;
    for (std::size_t offset = 0; offset < data.size(); offset += kDataChunk) {
        const std::size_t end = std::min(data.size(), offset + kDataChunk);
        ASSERT_TRUE(Decompress(Compress(data, offset, end), unpacked, end - offset)) << offset;
    }
    EXPECT_EQ(unpacked, data);
    EXPECT_LT(Compress(data, 3000, 8000).size(), 1000U); // the run packs down
    std::string history = "abc";
    EXPECT_FALSE(Decompress(std::string("\x00\xFF\xFF", 3), history, 18)); // reaches before the start
    EXPECT_FALSE(Decompress("\x01", history, 1));                           // literal missing
}

TEST(ImageFormat, RoundTripsAndSaysWhatIsWrong)
{
    const std::string bytes = EncodeImage(ImageKind::Firmware, 3, "1.06", std::string(5000, 'x'));
    Image image;
    std::string error;
    ASSERT_TRUE(DecodeImage(bytes, image, error)) << error;
    EXPECT_EQ(image.header.model, 3);
    EXPECT_EQ(image.header.version, "1.06");
    EXPECT_EQ(image.payload.size(), 5000U);

    const auto why = [](const std::string& damaged) {
        Image ignored;
        std::string reason;
        EXPECT_FALSE(DecodeImage(damaged, ignored, reason));
        return reason;
    };
    EXPECT_EQ(why(bytes.substr(0, 3000)), "truncated: 2964 of 5000 bytes");
    std::string flipped = bytes;
    flipped[2000] ^= 1;
    EXPECT_EQ(why(flipped), "corrupted (checksum mismatch)");
    std::string header = bytes;
    header[8] = 'X';
    EXPECT_EQ(why(header), "its header is corrupted (checksum mismatch)");
    EXPECT_EQ(why("MZ" + bytes), "not a Vandrel image (no VDFW header)");
    EXPECT_EQ(why(bytes + "!"), "has 1 bytes past its end");
}

TEST(Frames, AreFoundInNoiseAndDamagedOnesAreSkipped)
{
    const std::string first = EncodeFrame({FrameType::Data, 7, "payload"});
    std::string damaged = EncodeFrame({FrameType::Ack, 8, {}});
    damaged[3] ^= 0x40;
    const std::string last = EncodeFrame({FrameType::Ack, 9, {}});
    FrameParser parser;
    const std::string stream = "\x7E\x7Enoise" + first + damaged + last;
    parser.Feed(stream.substr(0, 11));
    EXPECT_FALSE(parser.Next()); // not whole yet
    parser.Feed(stream.substr(11));
    const auto a = parser.Next();
    const auto b = parser.Next();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->sequence, 7);
    EXPECT_EQ(a->payload, "payload");
    EXPECT_EQ(b->sequence, 9);
    EXPECT_FALSE(parser.Next());
    EXPECT_GE(parser.Rejected(), 1U);
}

struct OptionsCase {
    std::vector<const char*> words;
    const char* error; // empty when the line is good
};

void PrintTo(const OptionsCase& c, std::ostream* out)
{
    for (const char* word : c.words)
        *out << word << " ";
}

class Options : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(Options, AreReadInAnyOrderWithClearErrors)
{
    std::vector<const char*> argv{"clRFU"};
    argv.insert(argv.end(), GetParam().words.begin(), GetParam().words.end());
    std::string error;
    const auto options = ParseOptions(static_cast<int>(argv.size()), argv.data(), error);
    EXPECT_EQ(error, GetParam().error);
    if (options && !options->help) {
        EXPECT_EQ(options->image, "VD4-NW.bin");
        EXPECT_EQ(options->port, 3);
        EXPECT_EQ(options->baud, 57600);
        EXPECT_EQ(options->coldLoader, "coldload.bin");
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Options,
    ::testing::Values(
        OptionsCase{{"VD4-NW.bin", "-v", "-s", "3:57600", "-cl", "coldload.bin", "-pb", "pilot.bin"}, ""},
        OptionsCase{{"-pb", "pilot.bin", "-s", "3:57600", "VD4-NW.bin", "-cl", "coldload.bin"}, ""},
        OptionsCase{{"--help"}, ""},
        OptionsCase{{"VD4-NW.bin", "-s", "3-57600", "-cl", "c", "-pb", "p"}, "-s wants PORT:BAUD, such as 3:57600, not 3-57600"},
        OptionsCase{{"VD4-NW.bin", "-s", "3:12345", "-cl", "c", "-pb", "p"}, "12345 bit/s is not a rate this utility can set"},
        OptionsCase{{"VD4-NW.bin", "-cl", "c", "-pb", "p"}, "no port given (-s PORT:BAUD)"},
        OptionsCase{{"VD4-NW.bin", "-s", "3:57600", "-pb", "p"}, "no cold loader given (-cl FILE)"},
        OptionsCase{{"VD4-NW.bin", "-s"}, "-s needs PORT:BAUD"},
        OptionsCase{{"-x"}, "unknown option -x"},
        OptionsCase{{"a.bin", "b.bin"}, "only one image can be written at a time (a.bin, b.bin)"},
        OptionsCase{{}, "no image named"}));

} // namespace
