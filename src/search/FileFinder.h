// CFileFinder: walks a folder (and on request every folder below it) and collects the
// entries that pass a name pattern, attribute, size, time and contained-text filters.
#pragma once

#include "fw/afx.h"
#include "fw/StringArray.h"
#include "util/Path.h"

// Filter bits of FILEFINDPARAMS::flags; a clear bit skips its test.
enum {
    FIND_SIZE = 0x01,
    FIND_MODIFIED = 0x02,
    FIND_CREATED = 0x04,
    FIND_ACCESSED = 0x08,
    FIND_ATTRIBUTES = 0x10,
    FIND_TEXT = 0x20
};

// Notification codes.
enum {
    FIND_NOTIFY_MATCH = 0,     // the entry is now the last result
    FIND_NOTIFY_NOMATCH = 1,   // the entry failed a test
    FIND_NOTIFY_FOLDER = 2,    // the searching folder's own entries come next
    FIND_NOTIFY_SCANNING = 3   // the content scan read another ten chunks
};

struct FILEFINDPARAMS {
    FILEFINDPARAMS();

    CString folder;
    CString mask;
    CString text;
    BOOL subfolders;
    DWORD flags;
    unsigned __int64 minSize;
    unsigned __int64 maxSize;
    CTime createdFrom, createdTo;
    CTime modifiedFrom, modifiedTo;
    CTime accessedFrom, accessedTo;
    DWORD attributes;
};

// What the folder's listing says of a match.
struct FILEFINDINFO {
    DWORD attributes;
    unsigned __int64 size;  // 0 for a folder
    FILETIME written;
};
FILEFINDINFO FindInfoOf(const WIN32_FIND_DATAA& fd);

class CFileFinder;
typedef void (*FILEFINDCALLBACK)(CFileFinder* pFinder, int nCode, void* pCallbackData);

class CFileFinder {
public:
    CFileFinder();
    virtual ~CFileFinder();
    CFileFinder(const CFileFinder&) = delete;
    CFileFinder& operator=(const CFileFinder&) = delete;

    void SetCallback(FILEFINDCALLBACK pfnCallback, void* pCallbackData);

    // Appends the matches to the results and returns their total count. Adds the
    // trailing backslash to params.folder. Always returns: unreadable folders and
    // files only fail their tests.
    int FindFiles(FILEFINDPARAMS& params);
    // Files and folders with any attribute but the directory bit alone.
    int FindFilesNamed(const char* folder, const char* mask, BOOL subfolders);
    void StopSearch() { m_bStop = TRUE; }

    int GetFileCount() const { return m_results.GetSize(); }
    CPath GetFilePath(int index) const;
    CString GetSearchingFolder() const { return m_strSearchingFolder; }
    // The listing's data of the match just notified, so a caller showing it need not ask
    // the file again.
    const FILEFINDINFO& GetMatchInfo() const { return m_matchInfo; }
    int FindPathOnList(const char* path) const;
    void RemoveAt(int index);
    void RemoveAll() { m_results.RemoveAll(); }

private:
    struct CFolderChain;
    struct CEntry;

    void Walk(FILEFINDPARAMS& params, CFolderChain& chain);
    void ExamineEntries(const FILEFINDPARAMS& params);
    void Examine(const CEntry& entry, const CString& root, const FILEFINDPARAMS& params);
    BOOL ContainsText(const char* path, const char* text);
    void Notify(int nCode);
    static void OnTenChunks(void* pFinder);

    CStringArray m_results;
    BOOL m_bStop;
    FILEFINDCALLBACK m_pfnCallback;
    void* m_pCallbackData;
    CString m_strSearchingFolder;
    FILEFINDINFO m_matchInfo;
};
