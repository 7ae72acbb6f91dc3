#include "framework/dialog_units.h"

namespace {

// units * numerator / denominator, rounded half away from zero.
int MulDiv(int units, int numerator, int denominator)
{
    const long long product = static_cast<long long>(units) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

int AverageCharWidth(int advanceOfAlphabet) { return (advanceOfAlphabet / 26 + 1) / 2; }

int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base) { return MulDiv(units, base.x, 4); }

int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base) { return MulDiv(units, base.y, 8); }
