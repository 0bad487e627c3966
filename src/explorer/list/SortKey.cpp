#include "explorer/list/SortKey.h"
#include <stdlib.h>

static bool IsDateColumn(int column) { return column == 2 || column == 3; }

CString MakeTextSortKey(const CString& text, const CString& size, int column)
{
    if (!size.IsEmpty()) {
        if (!IsDateColumn(column)) return text;
        if (text.IsEmpty()) return CString('\x0D');
        return text.Right(4) + text;
    }
    CString key('\x0A');
    if (IsDateColumn(column)) key += text.Right(4);
    key += text;
    return key;
}

long long MakeNumericSortKey(const char* text)
{
    if (!text) return 0;
    return strtoll(text, nullptr, 10);  // saturates at the limits of 64 bits
}
