#include "explorer/CommandLines.h"

static CString FitOrNothing(const CString& line, int bufferSize)
{
    return line.GetLength() < bufferSize ? line : CString();
}

CString MakeViewCommandLine(const char* program, const char* path, int bufferSize)
{
    if (!*program || !*path || strchr(program, '"')) return CString();
    return FitOrNothing(CString("\"") + program + "\" " + path, bufferSize);
}

CString MakeQuotedCommandLine(const char* program, const char* path, int bufferSize)
{
    if (!*program || !*path || strchr(program, '"') || strchr(path, '"')) return CString();
    return FitOrNothing(CString("\"") + program + "\" \"" + path + "\"", bufferSize);
}
