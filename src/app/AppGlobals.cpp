#include "app/AppGlobals.h"

bool ComputeIsNT() { return (::GetVersion() & 0x80000000u) == 0; }

bool g_bIsNT = ComputeIsNT();
int g_bExplorerMaximized = 0;
CImageList g_systemImageList;

namespace {
// The system list belongs to the shell: let go of it before the owner's destructor runs.
struct SystemListRelease {
    ~SystemListRelease() { g_systemImageList.Detach(); }
} g_releaseSystemList;
}  // namespace
