#pragma once
// Every dialog of the program places itself the same way: centred across the screen and
// a quarter of the free height from the top, its size unchanged.

class CWnd;

struct PlacementPoint {
    int x;
    int y;
};

// Signed divisions that truncate toward zero; a window larger than the screen gets a
// negative position, and nothing corrects it.
PlacementPoint PlacementFor(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

void PlaceDialog(CWnd& dialog);
