// The messages list and tree give when a file command fails, written once for both.
#pragma once

#include "fw/afx.h"

// The caption of every such message.
extern const char FILE_ERROR[];
// Several entries were acted on and some are still there.
extern const char SOME_NOT_REMOVED[];
// "<name> could not be removed!", the name cut at 260 characters.
CString CouldNotRemoveText(const char* name);
