#include "framework/dialog_units.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, ScaleByTheFontsBaseUnits)
{
    const DialogBaseUnits base{6, 13}; // the classic 8-point dialog font
    EXPECT_EQ(DialogUnitsToPixelsX(416, base), 624);
    EXPECT_EQ(DialogUnitsToPixelsY(161, base), 262);
    EXPECT_EQ(DialogUnitsToPixelsY(10, base), 16); // 16.25 rounds down
    EXPECT_EQ(DialogUnitsToPixelsY(4, base), 7);   // 6.5 rounds up
    EXPECT_EQ(DialogUnitsToPixelsX(0, base), 0);
}

TEST(DialogUnits, AverageCharacterWidthRoundsTheAlphabetsMean)
{
    EXPECT_EQ(AverageCharWidth(312), 6); // 52 letters of 6 pixels
    EXPECT_EQ(AverageCharWidth(338), 7); // 6.5 rounds up
    EXPECT_EQ(AverageCharWidth(0), 0);
}

} // namespace
