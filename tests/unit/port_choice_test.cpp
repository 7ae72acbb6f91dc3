#include "selection/port_choice.h"

#include <gtest/gtest.h>

#include <ostream>

#include <initializer_list>

namespace {

PortAvailability Ports(std::initializer_list<int> usable)
{
    PortAvailability available {};
    for (int port : usable)
        available[static_cast<std::size_t>(port)] = true;
    return available;
}

struct ChoiceCase {
    const char* name;
    int saved;
    PortAvailability available;
    int chosen;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }

class PortChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PortChoice, ChecksTheSavedPortOrTheLowestUsable)
{
    EXPECT_EQ(ChoosePort(GetParam().saved, GetParam().available), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortChoice,
    ::testing::Values(ChoiceCase{"NothingSavedPrefersCom1", -1, Ports({1, 3}), 1},
                      ChoiceCase{"NothingSavedCom1Missing", -1, Ports({3, 4}), 3},
                      ChoiceCase{"SavedUsableWinsOverLower", 4, Ports({2, 4}), 4},
                      ChoiceCase{"SavedBusyFallsBack", 4, Ports({2}), 2},
                      ChoiceCase{"SavedZero", 0, Ports({5, 7}), 5}, ChoiceCase{"SavedEleven", 11, Ports({10}), 10},
                      ChoiceCase{"SavedMinusFive", -5, Ports({6}), 6}, ChoiceCase{"SavedTen", 10, Ports({1, 10}), 10},
                      ChoiceCase{"NoneUsable", 3, Ports({}), 0}, ChoiceCase{"NoneUsableNothingSaved", -1, Ports({}), 0}),
    [](const ::testing::TestParamInfo<ChoiceCase>& row) { return std::string(row.param.name); });

} // namespace
