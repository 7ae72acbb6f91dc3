#include "selection/model_catalogue.h"
#include "update/update_script.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace {

TEST(UpdateScript, TheWorkedExampleByteForByte)
{
    EXPECT_EQ(UpdateScriptBytes("Vandrel4 Network", "VD4-NW", 3, 57600).Str(),
              "echo off\r\n"
              "cls\r\n"
              "echo.\r\n"
              "echo Vandrel4 Network Firmware Update\r\n"
              "echo   Serial port = COM3\r\n"
              "echo   Baud rate   = 57600\r\n"
              "echo   Update file = VD4-NW.bin\r\n"
              "echo.\r\n"
              "echo.\r\n"
              "clRFU.exe   VD4-NW.bin  -v  -s 3:57600  -cl coldload.bin  -pb pilot.bin\r\n"
              "echo.\r\n"
              "echo.\r\n"
              "echo You must close this window before you can return to the VDFlash program!\r\n"
              "echo.\r\n"
              "pause\r\n");
}

struct ScriptCase {
    int model;
    int port;
    int baud;
};

void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.model << " COM" << c.port << " " << c.baud; }

class UpdateScriptTable : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(UpdateScriptTable, NamesTheModelPortRateAndImage)
{
    const ModelEntry& model = ModelAt(GetParam().model);
    const std::vector<CString> lines = UpdateScriptLines(model.strModelName, model.strFileStem, GetParam().port, GetParam().baud);
    ASSERT_EQ(lines.size(), 15U);
    const std::string image = std::string(model.strFileStem) + ".bin";
    const std::string port = std::to_string(GetParam().port), baud = std::to_string(GetParam().baud);
    EXPECT_EQ(lines[3].Str(), std::string("echo ") + model.strModelName + " Firmware Update");
    EXPECT_EQ(lines[4].Str(), "echo   Serial port = COM" + port);
    EXPECT_EQ(lines[5].Str(), "echo   Baud rate   = " + baud);
    EXPECT_EQ(lines[6].Str(), "echo   Update file = " + image);
    EXPECT_EQ(lines[9].Str(), "clRFU.exe   " + image + "  -v  -s " + port + ":" + baud + "  -cl coldload.bin  -pb pilot.bin");
    const std::string bytes = UpdateScriptBytes(model.strModelName, model.strFileStem, GetParam().port, GetParam().baud).Str();
    for (const unsigned char byte : bytes)
        EXPECT_TRUE(byte == '\r' || byte == '\n' || (byte >= 0x20 && byte < 0x7F));
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "pause\r\n");
}

std::vector<ScriptCase> AllCases()
{
    std::vector<ScriptCase> cases;
    for (int model = 0; model < kModelCount; ++model)
        for (const int port : {1, 10})
            for (const int baud : {9600, 19200, 57600, 115200})
                cases.push_back({model, port, baud});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ModelsPortsRates, UpdateScriptTable, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<ScriptCase>& row) {
                             return "Model" + std::to_string(row.param.model) + "Com" + std::to_string(row.param.port) +
                                    "At" + std::to_string(row.param.baud);
                         });

} // namespace
