#pragma once
// Dialog units to pixels: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its character height.

struct DialogBaseUnits {
    int x; // average character width, pixels
    int y; // character height, pixels
};

// The average character width as the window system measures it, from the advance of
// the 52 letters A..Z and a..z.
int AverageCharWidth(int advanceOfAlphabet);

int DialogUnitsToPixelsX(int units, const DialogBaseUnits& base);
int DialogUnitsToPixelsY(int units, const DialogBaseUnits& base);
