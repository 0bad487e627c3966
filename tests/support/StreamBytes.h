// Bytes into a rich edit control through its stream, as it reads a file.
#pragma once

#include "fw/RichEditCtrl.h"
#include <string>

// Streams bytes in with format (SF_TEXT, with SFF_SELECTION: at the selection); returns the
// characters the control read.
LONG StreamBytes(CRichEditCtrl& ctl, std::string bytes, UINT format);
