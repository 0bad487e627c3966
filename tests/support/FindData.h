// Directory data of entries that need not exist, for feeding the folder model and the list.
#pragma once

#include "support/TestSupport.h"

// Sizes are 64-bit: files of 4 GiB and more keep their high part.
WIN32_FIND_DATAA Entry(const char* name, DWORD attributes, ULONGLONG size, FILETIME created, FILETIME modified);
WIN32_FIND_DATAA FileData(const char* name, ULONGLONG size, FILETIME modified = LocalFileTime(2024, 1, 2));
WIN32_FIND_DATAA FolderData(const char* name, FILETIME created = LocalFileTime(2024, 1, 2));
