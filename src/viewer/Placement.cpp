#include "viewer/Placement.h"
#include "res/resource.h"

BOOL PlacementRect(UINT nID, int cx, int cy, RECT* rc)
{
    int x, y, w, h;
    switch (nID) {
    case ID_VIEWER_UPPER_HALF: x = 0; y = 0; w = cx; h = cy / 2; break;        // upper half
    case ID_VIEWER_LOWER_HALF: x = 0; y = cy / 2; w = cx; h = cy / 2; break;   // lower half
    case ID_VIEWER_LEFT_HALF: x = 0; y = 0; w = cx / 2; h = cy; break;        // left half
    case ID_VIEWER_RIGHT_HALF: x = cx / 2; y = 0; w = cx / 2; h = cy; break;   // right half
    case ID_VIEWER_DEFAULT_WINDOW: x = 60; y = 60; w = 520; h = 360; break;        // default window
    default: return FALSE;
    }
    SetRect(rc, x, y, x + w, y + h);
    return TRUE;
}
