#include "fw/afx.h"
#include "fw/FileFind.h"
#include "fw/FileIdentity.h"
#include "fw/Handle.h"
#include "search/FileFinder.h"
#include "search/TextScanner.h"
#include <vector>

FILEFINDPARAMS::FILEFINDPARAMS()
    : mask("*.*"), subfolders(0), flags(0), minSize(0), maxSize(0), attributes(0)
{
    createdFrom = createdTo = modifiedFrom = modifiedTo = accessedFrom = accessedTo = CTime::GetCurrentTime();
}

// The folders from the search's own down to the one being walked. A folder met through
// a link or junction that is one of them again would make the walk endless; a cycle
// always passes through a link, so only links are checked, by the platform's volume and
// index numbers, asked for when first needed.
struct CFileFinder::CFolderChain {
    struct Level {
        CString folder;
        bool asked;
        CFileIdentity id;
    };
    std::vector<Level> levels;

    void Enter(const CString& folder) { levels.push_back(Level{folder, false, CFileIdentity()}); }
    void Leave() { levels.pop_back(); }

    bool Reaches(const CString& linkFolder)
    {
        CFileIdentity id = Identify(linkFolder);
        if (!id.bKnown) return false;
        for (Level& level : levels) {
            if (!level.asked) {
                level.asked = true;
                level.id = Identify(level.folder);
            }
            if (level.id == id) return true;
        }
        return false;
    }

    static CFileIdentity Identify(const CString& folder) { return CFileIdentity::Of(folder.IsEmpty() ? "." : folder.c_str()); }
};

FILEFINDINFO FindInfoOf(const WIN32_FIND_DATAA& fd)
{
    return FILEFINDINFO{fd.dwFileAttributes, CFileFind::LengthOf(fd), fd.ftLastWriteTime};
}

// What the tests need of an entry, kept apart from its enumeration.
struct CFileFinder::CEntry {
    explicit CEntry(const WIN32_FIND_DATAA& fd)
        : info(FindInfoOf(fd)), created(fd.ftCreationTime), accessed(fd.ftLastAccessTime), name(CFileFind::UsableNameOf(fd)) {}
    FILEFINDINFO info;
    FILETIME created, accessed;
    CString name;
};

// A pattern the platform's path buffers cannot hold is not enumerated.
static bool FitsPath(const CString& folder, const char* tail) { return folder.GetLength() + strlen(tail) < MAX_PATH; }

// Masks every name passes: a folder without sub-folders then has its own entries from the
// sub-folder enumeration, made the moment before, and is not enumerated again.
static bool MatchesEverything(const CString& mask)
{
    if (mask == "*.*") return true;
    if (mask.IsEmpty()) return false;
    for (int i = 0; i < mask.GetLength(); i++)
        if (mask[i] != '*') return false;
    return true;
}

// Entries kept of one folder at most; a larger folder is enumerated again.
static const size_t kMaxKeptEntries = 16384;

static bool InRange(const CTime& from, const FILETIME& ft, const CTime& to)
{
    CTime t;
    CFileFind::ToInstant(ft, t);
    return from.GetTime() <= t.GetTime() && t.GetTime() <= to.GetTime();
}

CFileFinder::CFileFinder() : m_bStop(FALSE), m_pfnCallback(nullptr), m_pCallbackData(nullptr), m_matchInfo() {}

CFileFinder::~CFileFinder() {}

void CFileFinder::SetCallback(FILEFINDCALLBACK pfnCallback, void* pCallbackData)
{
    m_pfnCallback = pfnCallback;
    m_pCallbackData = pCallbackData;
}

void CFileFinder::Notify(int nCode)
{
    if (m_pfnCallback) m_pfnCallback(this, nCode, m_pCallbackData);
}

int CFileFinder::FindFiles(FILEFINDPARAMS& params)
{
    m_bStop = FALSE;
    CFolderChain chain;
    Walk(params, chain);
    return m_results.GetSize();
}

void CFileFinder::Walk(FILEFINDPARAMS& params, CFolderChain& chain)
{
    params.folder = CPath::AddBackslash(params.folder);
    chain.Enter(params.folder);

    std::vector<CEntry> own;
    CString ownRoot;
    bool ownKept = false;
    if (params.subfolders && FitsPath(params.folder, "*.*")) {
        CFileFind ff;
        BOOL more = ff.FindFile(params.folder + "*.*");
        ownKept = MatchesEverything(params.mask);
        ownRoot = ff.GetRoot();
        bool walked = false;
        while (more) {
            if (m_bStop) break;
            more = ff.FindNextFile();
            // An entry no name of ours reaches is no result and no way down.
            if (ff.IsDots() || ff.GetNameUse() == FIND_NAME_FOREIGN) continue;
            if (ownKept) {
                if (own.size() < kMaxKeptEntries) {
                    own.push_back(CEntry(ff.GetFindData()));
                } else {
                    ownKept = false;
                    std::vector<CEntry>().swap(own);
                }
            }
            if (!ff.IsDirectory()) continue;
            FILEFINDPARAMS sub = params;
            sub.folder = params.folder + ff.GetUsableName();
            // Skipped: a folder whose own patterns would pass the length limit, and one
            // reached again through a link.
            if (!FitsPath(sub.folder, "\\*.*")) continue;
            if (ff.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT) && chain.Reaches(sub.folder)) continue;
            Walk(sub, chain);
            walked = true;
        }
        // After a walk below, the folder's own entries are read anew.
        if (walked) {
            ownKept = false;
            std::vector<CEntry>().swap(own);
        }
    }

    m_strSearchingFolder = params.folder;
    Notify(FIND_NOTIFY_FOLDER);
    if (ownKept) {
        for (const CEntry& entry : own) {
            if (m_bStop) break;
            Examine(entry, ownRoot, params);
        }
    } else {
        ExamineEntries(params);
    }
    chain.Leave();
}

void CFileFinder::ExamineEntries(const FILEFINDPARAMS& params)
{
    if (!FitsPath(params.folder, params.mask)) return;
    CFileFind ff;
    BOOL more = ff.FindFile(params.folder + params.mask);
    while (more) {
        if (m_bStop) break;
        more = ff.FindNextFile();
        if (ff.IsDots() || ff.GetNameUse() == FIND_NAME_FOREIGN) continue;
        Examine(CEntry(ff.GetFindData()), ff.GetRoot(), params);
    }
}

void CFileFinder::Examine(const CEntry& entry, const CString& root, const FILEFINDPARAMS& params)
{
    CString path = CFileFind::MakePath(root, entry.name);
    if (path.GetLength() >= MAX_PATH) return;

    const DWORD flags = params.flags;
    bool pass = true;
    if (pass && (flags & FIND_ATTRIBUTES)) pass = (entry.info.attributes & params.attributes) != 0;
    if (pass && (flags & FIND_SIZE)) pass = params.minSize <= entry.info.size && entry.info.size <= params.maxSize;
    if (pass && (flags & FIND_MODIFIED)) pass = InRange(params.modifiedFrom, entry.info.written, params.modifiedTo);
    if (pass && (flags & FIND_CREATED)) pass = InRange(params.createdFrom, entry.created, params.createdTo);
    if (pass && (flags & FIND_ACCESSED)) pass = InRange(params.accessedFrom, entry.accessed, params.accessedTo);
    if (pass && (flags & FIND_TEXT)) pass = ContainsText(path, params.text) != FALSE;

    if (pass) {
        if (entry.info.attributes & FILE_ATTRIBUTE_DIRECTORY) path += '\\';
        m_results.Add(path);
        m_matchInfo = entry.info;
        Notify(FIND_NOTIFY_MATCH);
    } else {
        Notify(FIND_NOTIFY_NOMATCH);
    }
}

void CFileFinder::OnTenChunks(void* pFinder) { ((CFileFinder*)pFinder)->Notify(FIND_NOTIFY_SCANNING); }

BOOL CFileFinder::ContainsText(const char* path, const char* text)
{
    if (!text || !*text) return FALSE;
    // No sharing: a file another program has open is not read, nor changed while it is.
    CFileHandle h(::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!h.IsValid()) return FALSE;
    // Devices and pipes may never end (a device of zeros, a pipe without writer).
    if (::GetFileType(h) != FILE_TYPE_DISK) return FALSE;
    CTextScanner scanner(text, &CFileFinder::OnTenChunks, this);
    scanner.SetStopFlag(&m_bStop);
    return scanner.Contains(h);
}

int CFileFinder::FindFilesNamed(const char* folder, const char* mask, BOOL subfolders)
{
    FILEFINDPARAMS params;
    params.folder = folder;
    params.mask = mask;
    params.subfolders = subfolders;
    params.flags = FIND_ATTRIBUTES;
    // 0x927: a file of any of these kinds matches; folders do not.
    params.attributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_COMPRESSED;
    return FindFiles(params);
}

CPath CFileFinder::GetFilePath(int index) const
{
    if (index < 0 || index >= m_results.GetSize()) return CPath("");
    return CPath(m_results[index]);
}

int CFileFinder::FindPathOnList(const char* path) const
{
    for (int i = 0; i < m_results.GetSize(); i++)
        if (m_results[i].CompareNoCase(path) == 0) return i;
    return -1;
}

void CFileFinder::RemoveAt(int index)
{
    if (index >= 0 && index < m_results.GetSize()) m_results.RemoveAt(index);
}
