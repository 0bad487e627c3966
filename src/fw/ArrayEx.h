// CArrayEx: the framework's array plus a linear search.
#pragma once

#include "fw/Array.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArrayEx : public CArray<TYPE, ARG_TYPE> {
public:
    // Index of the first element at or after nStart equal to value (the type's own ==;
    // exact and case-sensitive for CString), or -1. A negative nStart searches from 0.
    int Find(ARG_TYPE value, int nStart = 0) const
    {
        for (int i = nStart < 0 ? 0 : nStart; i < this->GetSize(); ++i)
            if (this->GetAt(i) == value) return i;
        return -1;
    }
};
