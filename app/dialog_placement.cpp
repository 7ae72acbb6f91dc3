#include "app/dialog_placement.h"

#include "framework/cwnd.h"

PlacementPoint PlacementFor(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 4};
}

void PlaceDialog(CWnd& dialog)
{
    CRect rect;
    dialog.GetWindowRect(&rect);
    const PlacementPoint at =
        PlacementFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), rect.Width(), rect.Height());
    dialog.MoveWindow(at.x, at.y, rect.Width(), rect.Height(), true);
}
