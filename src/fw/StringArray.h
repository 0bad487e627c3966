// CStringArray: the framework's list of strings.
#pragma once

#include "fw/String.h"
#include "fw/Array.h"

typedef CArray<CString> CStringArray;
