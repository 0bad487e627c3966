#include "explorer/FileErrors.h"

const char FILE_ERROR[] = "File Error!";
const char SOME_NOT_REMOVED[] = "Some files or folders could not be removed!";

CString CouldNotRemoveText(const char* name)
{
    char text[300];
    wsprintfA(text, "%.260s could not be removed!", name ? name : "");
    return CString(text);
}
