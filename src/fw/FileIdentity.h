// CFileIdentity: which file a path names, as the platform numbers it (volume serial and file
// index). Two names that give the same identity are one file; a name whose identity changed
// names another file than before, whatever its name, size or dates say.
#pragma once

#include "fw/afx.h"
#include <functional>

struct CFileIdentity {
    DWORD dwVolume = 0;
    DWORD dwIndexHigh = 0;
    DWORD dwIndexLow = 0;
    bool bKnown = false;  // read from the platform

    // The identity of the file or folder at path (a link counts as what it leads to); unknown
    // when it cannot be opened or the platform gives no index.
    static CFileIdentity Of(const char* path);
    // The identities of every entry of folder in one read of the folder (much cheaper than
    // opening each): found(name, identity) for each entry whose name the code page holds
    // exactly. False when the folder cannot be read that way.
    static bool OfEntries(const char* folder, const std::function<void(const char*, const CFileIdentity&)>& found);
    bool operator==(const CFileIdentity& o) const
    {
        return bKnown == o.bKnown && dwVolume == o.dwVolume && dwIndexHigh == o.dwIndexHigh && dwIndexLow == o.dwIndexLow;
    }
    bool operator!=(const CFileIdentity& o) const { return !(*this == o); }
};
