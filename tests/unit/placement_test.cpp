#include "app/dialog_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PlacementCase {
    int screenWidth, screenHeight, windowWidth, windowHeight;
    int x, y;
};

void PrintTo(const PlacementCase& c, std::ostream* out)
{
    *out << c.windowWidth << "x" << c.windowHeight << " on " << c.screenWidth << "x" << c.screenHeight;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentresAcrossAndAQuarterDown)
{
    const PlacementCase& c = GetParam();
    const PlacementPoint at = PlacementFor(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
    EXPECT_EQ(at.x, c.x);
    EXPECT_EQ(at.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         ::testing::Values(PlacementCase{1024, 768, 630, 290, 197, 119},
                                           PlacementCase{1024, 768, 630, 773, 197, -1}, // truncation toward zero
                                           PlacementCase{1024, 768, 1027, 290, -1, 119},
                                           PlacementCase{800, 600, 800, 600, 0, 0},
                                           PlacementCase{1024, 768, 1040, 800, -8, -8}));

} // namespace
