// Helpers of the search engine's tests: notification recording and fixture files.
#pragma once

#include "support/TestSupport.h"
#include "search/FileFinder.h"
#include <functional>
#include <string>
#include <vector>

// What the engine told its owner, in order: the code, and the searching folder (FOLDER)
// or the newest result (MATCH).
struct Notice {
    int code;
    std::string detail;
};

class CNoticeLog {
public:
    explicit CNoticeLog(CFileFinder& finder) { finder.SetCallback(&CNoticeLog::Callback, this); }
    std::vector<Notice> notices;
    // Runs on every notification after it is recorded.
    std::function<void(CFileFinder&, int)> onNotice;

    int Count(int code) const
    {
        int n = 0;
        for (const Notice& x : notices) n += x.code == code;
        return n;
    }

private:
    static void Callback(CFileFinder* finder, int code, void* data)
    {
        CNoticeLog* self = (CNoticeLog*)data;
        std::string detail;
        if (code == FIND_NOTIFY_FOLDER) detail = finder->GetSearchingFolder().str();
        if (code == FIND_NOTIFY_MATCH) detail = finder->GetFilePath(finder->GetFileCount() - 1).GetPath(TRUE).str();
        self->notices.push_back({code, detail});
        if (self->onNotice) self->onNotice(*finder, code);
    }
};

inline std::vector<std::string> Results(const CFileFinder& finder)
{
    std::vector<std::string> v;
    for (int i = 0; i < finder.GetFileCount(); i++) v.push_back(finder.GetFilePath(i).GetPath(TRUE).str());
    return v;
}

inline void MakeDir(const CString& path) { ASSERT_TRUE(::CreateDirectoryA(path, nullptr)) << path.c_str(); }
