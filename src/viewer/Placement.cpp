#include "viewer/Placement.h"

BOOL PlacementRect(UINT nID, int cx, int cy, RECT* rc)
{
    int x, y, w, h;
    switch (nID) {
    case 32803: x = 0; y = 0; w = cx; h = cy / 2; break;        // upper half
    case 32804: x = 0; y = cy / 2; w = cx; h = cy / 2; break;   // lower half
    case 32806: x = 0; y = 0; w = cx / 2; h = cy; break;        // left half
    case 32807: x = cx / 2; y = 0; w = cx / 2; h = cy; break;   // right half
    case 32797: x = 60; y = 60; w = 520; h = 360; break;        // default window
    default: return FALSE;
    }
    SetRect(rc, x, y, x + w, y + h);
    return TRUE;
}
