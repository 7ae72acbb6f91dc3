#include "resources/program_resources.h"
#include "resources/resource.h"
#include "selection/baud_rates.h"
#include "selection/model_catalogue.h"

#include <gtest/gtest.h>

#include <ostream>

#include <set>
#include <string>

namespace {

TEST(ModelCatalogue, RowsFollowTheGenerationPattern)
{
    std::set<std::string> names, stems;
    for (int index = 0; index < kModelCount; ++index) {
        const ModelEntry& entry = ModelAt(index);
        const std::string generation = std::to_string(3 + index / 2);
        const bool plus = index % 2 == 0;
        EXPECT_EQ(entry.nRadioId, 1000 + index);
        EXPECT_EQ(ModelIndexFromRadio(entry.nRadioId), index);
        EXPECT_EQ(entry.strModelName, "Vandrel" + generation + (plus ? " Plus" : " Network"));
        EXPECT_EQ(entry.strFileStem, "VD" + generation + (plus ? "-Plus" : "-NW"));
        if (index != 1) {
            EXPECT_STREQ(entry.strCaption, entry.strModelName);
        }
        names.insert(entry.strModelName);
        stems.insert(entry.strFileStem);
    }
    EXPECT_EQ(names.size(), 8U);
    EXPECT_EQ(stems.size(), 8U);
}

TEST(ModelCatalogue, TheSecondRadioKeepsItsMisspeltCaption)
{
    EXPECT_STREQ(ModelAt(1).strCaption, "Vandrel3 Newwork");
    EXPECT_STREQ(ModelAt(1).strModelName, "Vandrel3 Network");
    EXPECT_STREQ(ModelAt(7).strModelName, "Vandrel6 Network");
    EXPECT_STREQ(ModelAt(7).strFileStem, "VD6-NW");
}

TEST(ModelCatalogue, TheMainDialogShowsEachEntryWithItsDescriptionBeside)
{
    const std::span<const ControlTemplate> controls = kMainDialog.controls;
    for (int index = 0; index < kModelCount; ++index) {
        const ModelEntry& entry = ModelAt(index);
        const ControlTemplate& radio = controls[2 + static_cast<std::size_t>(index)];
        const ControlTemplate& label = controls[10 + static_cast<std::size_t>(index)];
        EXPECT_EQ(radio.id, entry.nRadioId);
        EXPECT_STREQ(radio.text, entry.strCaption);
        EXPECT_STREQ(label.text, entry.strDescription);
        EXPECT_EQ(label.y, radio.y + 1);
    }
}

struct BaudCase {
    int stored;
    int radio;
};

void PrintTo(const BaudCase& c, std::ostream* out) { *out << "Baud=" << c.stored; }

class BaudRestore : public ::testing::TestWithParam<BaudCase> {};

TEST_P(BaudRestore, ChecksTheRadioForTheStoredRate)
{
    EXPECT_EQ(BaudRadioForRate(GetParam().stored), GetParam().radio);
}

INSTANTIATE_TEST_SUITE_P(StoredRates, BaudRestore,
                         ::testing::Values(BaudCase{9600, IDC_BAUD_9600}, BaudCase{19200, IDC_BAUD_19200},
                                           BaudCase{57600, IDC_BAUD_57600}, BaudCase{115200, IDC_BAUD_115200},
                                           BaudCase{-1, IDC_BAUD_115200}, BaudCase{4, IDC_BAUD_115200},
                                           BaudCase{0, IDC_BAUD_115200}, BaudCase{38400, IDC_BAUD_115200}));

TEST(BaudRates, EachRadioGivesItsRateAndBack)
{
    for (int radio = IDC_BAUD_9600; radio <= IDC_BAUD_115200; ++radio)
        EXPECT_EQ(BaudRadioForRate(RateForBaudRadio(radio)), radio);
    EXPECT_EQ(RateForBaudRadio(IDC_COM1), 0);
}

} // namespace
