#include "support/FindData.h"

WIN32_FIND_DATAA Entry(const char* name, DWORD attributes, ULONGLONG size, FILETIME created, FILETIME modified)
{
    WIN32_FIND_DATAA fd = {};
    lstrcpynA(fd.cFileName, name, MAX_PATH);
    fd.dwFileAttributes = attributes;
    fd.nFileSizeLow = (DWORD)size;
    fd.nFileSizeHigh = (DWORD)(size >> 32);
    fd.ftCreationTime = created;
    fd.ftLastWriteTime = modified;
    return fd;
}

WIN32_FIND_DATAA FileData(const char* name, ULONGLONG size, FILETIME modified)
{
    return Entry(name, FILE_ATTRIBUTE_ARCHIVE, size, modified, modified);
}

WIN32_FIND_DATAA FolderData(const char* name, FILETIME created)
{
    return Entry(name, FILE_ATTRIBUTE_DIRECTORY, 0, created, created);
}
