#include "app/BrindlexApp.h"

// The explorer's frame is not part of this build yet: the explorer does not start.
BOOL CreateExplorerFrame(CWinApp*) { return FALSE; }
