#include "explorer/ShellContextMenu.h"
#include "fw/Handle.h"
#include <shlwapi.h>
#include <vector>

IContextMenu2* g_pContextMenu2 = nullptr;

namespace {

// Owns one reference of a COM interface.
template <class T>
class CComRef {
public:
    CComRef() {}
    ~CComRef() { Release(); }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    void Release() { if (m_p) m_p->Release(); m_p = nullptr; }
    T** operator&() { Release(); return &m_p; }
    void Attach(T* p) { Release(); m_p = p; }
    T* Detach() { T* p = m_p; m_p = nullptr; return p; }
    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }

private:
    T* m_p = nullptr;
};

// Item ids handed out by the shell, freed through its allocator.
class CItemIds {
public:
    explicit CItemIds(IMalloc* pMalloc) : m_pMalloc(pMalloc) {}
    ~CItemIds()
    {
        for (LPITEMIDLIST p : m_ids) m_pMalloc->Free(p);
    }
    CItemIds(const CItemIds&) = delete;
    CItemIds& operator=(const CItemIds&) = delete;
    void Add(LPITEMIDLIST p) { m_ids.push_back(p); }
    UINT Count() const { return (UINT)m_ids.size(); }
    LPCITEMIDLIST* Data() { return (LPCITEMIDLIST*)m_ids.data(); }

private:
    IMalloc* m_pMalloc;
    std::vector<LPITEMIDLIST> m_ids;
};

const SHCONTF ENUM_ALL = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;

CString DisplayName(IShellFolder* folder, LPCITEMIDLIST pidl, DWORD flags)
{
    STRRET sr = {};
    char buf[MAX_PATH] = "";
    if (FAILED(folder->GetDisplayNameOf(pidl, flags, &sr))) return CString();
    if (FAILED(::StrRetToBufA(&sr, pidl, buf, sizeof buf))) return CString();
    return CString(buf);
}

// An entry's name within its folder: the shell may hide known extensions in its display
// name, so the parsing form counts as well.
bool NameMatches(IShellFolder* folder, LPCITEMIDLIST pidl, const char* name)
{
    if (!lstrcmpiA(DisplayName(folder, pidl, SHGDN_INFOLDER | SHGDN_FORPARSING), name)) return true;
    return !lstrcmpiA(DisplayName(folder, pidl, SHGDN_INFOLDER), name);
}

// The first child of folder whose name matches (parsing name for drives), or null.
LPITEMIDLIST FindChild(IShellFolder* folder, IMalloc* pMalloc, const char* name, bool bParsingName)
{
    CComRef<IEnumIDList> items;
    if (folder->EnumObjects(nullptr, ENUM_ALL, &items) != S_OK || !items) return nullptr;
    LPITEMIDLIST pidl = nullptr;
    ULONG fetched = 0;
    while (items->Next(1, &pidl, &fetched) == S_OK && fetched == 1) {
        bool match = bParsingName ? !lstrcmpiA(DisplayName(folder, pidl, SHGDN_FORPARSING), name)
                                  : NameMatches(folder, pidl, name);
        if (match) return pidl;
        pMalloc->Free(pidl);
    }
    return nullptr;
}

bool BindChild(IShellFolder* parent, LPCITEMIDLIST child, IShellFolder** ppFolder)
{
    return SUCCEEDED(parent->BindToObject(child, nullptr, IID_IShellFolder, (void**)ppFolder)) && *ppFolder;
}

bool TrackMenuOf(HWND hOwner, IShellFolder* container, CItemIds& ids, int x, int y)
{
    CComRef<IContextMenu> menu;
    if (FAILED(container->GetUIObjectOf(hOwner, ids.Count(), ids.Data(), IID_IContextMenu, nullptr, (void**)&menu)) ||
        !menu)
        return false;
    CMenuHandle popup(::CreatePopupMenu());
    if (!popup.IsValid()) return false;
    CComRef<IContextMenu2> menu2;
    if (FAILED(menu->QueryInterface(IID_IContextMenu2, (void**)&menu2))) menu2.Release();
    IContextMenu* filler = menu2 ? (IContextMenu*)menu2 : (IContextMenu*)menu;
    g_pContextMenu2 = menu2;
    bool shown = false;
    if (SUCCEEDED(filler->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE))) {
        shown = true;
        UINT id = (UINT)::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, hOwner, nullptr);
        if (id > 0) {
            CMINVOKECOMMANDINFO ici = {};
            ici.cbSize = sizeof ici;
            ici.hwnd = hOwner;
            ici.lpVerb = MAKEINTRESOURCEA(id - 1);
            ici.nShow = SW_SHOWNORMAL;
            filler->InvokeCommand(&ici);
        }
    }
    g_pContextMenu2 = nullptr;
    return shown;
}

}  // namespace

void SplitShellFolder(const CString& strFolder, CString* pDrive, CArray<CString>* pComponents)
{
    pComponents->RemoveAll();
    const char* s = strFolder;
    const char* slash = strchr(s, '\\');
    if (!slash) {
        *pDrive = strFolder;
        return;
    }
    *pDrive = CString(std::string(s, (size_t)(slash - s + 1)).c_str());
    const char* p = slash + 1;
    while (*p) {
        const char* end = strchr(p, '\\');
        size_t n = end ? (size_t)(end - p) : strlen(p);
        if (n) pComponents->Add(CString(std::string(p, n).c_str()));
        if (!end) break;
        p = end + 1;
    }
}

bool TrackShellContextMenu(HWND hOwner, const CString& strFolder, const CArray<CString>& names, int x, int y)
{
    if (names.IsEmpty()) return false;
    CComRef<IMalloc> malloc;
    if (FAILED(::SHGetMalloc(&malloc)) || !malloc) return false;

    CComRef<IShellFolder> drives;
    {
        CComRef<IShellFolder> desktop;
        LPITEMIDLIST computer = nullptr;
        if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)) || !computer) return false;
        bool bound = SUCCEEDED(::SHGetDesktopFolder(&desktop)) && desktop && BindChild(desktop, computer, &drives);
        malloc->Free(computer);
        if (!bound) return false;
    }

    // The drive's own menu: the drive is an entry of the computer folder.
    if (strFolder.IsEmpty()) {
        if (names.GetSize() != 1) return false;
        CItemIds ids(malloc);
        LPITEMIDLIST drive = FindChild(drives, malloc, names[0], true);
        if (!drive) return false;
        ids.Add(drive);
        return TrackMenuOf(hOwner, drives, ids, x, y);
    }

    CString drivePart;
    CArray<CString> components;
    SplitShellFolder(strFolder, &drivePart, &components);
    CComRef<IShellFolder> current;
    {
        CItemIds driveId(malloc);
        LPITEMIDLIST drive = FindChild(drives, malloc, drivePart, true);
        if (!drive) return false;
        driveId.Add(drive);
        if (!BindChild(drives, drive, &current)) return false;
    }
    // A component that cannot be found shows no menu: the names would be looked up elsewhere.
    for (int i = 0; i < components.GetSize(); i++) {
        CItemIds childId(malloc);
        LPITEMIDLIST child = FindChild(current, malloc, components[i], false);
        if (!child) return false;
        childId.Add(child);
        CComRef<IShellFolder> next;
        if (!BindChild(current, child, &next)) return false;
        current.Attach(next.Detach());
    }

    // The entries, in the folder's own order.
    CItemIds found(malloc);
    std::vector<bool> taken((size_t)names.GetSize(), false);
    CComRef<IEnumIDList> items;
    if (current->EnumObjects(nullptr, ENUM_ALL, &items) == S_OK && items) {
        LPITEMIDLIST pidl = nullptr;
        ULONG fetched = 0;
        while (found.Count() < (UINT)names.GetSize() && items->Next(1, &pidl, &fetched) == S_OK && fetched == 1) {
            bool match = false;
            for (int i = 0; i < names.GetSize() && !match; i++) {
                if (!taken[(size_t)i] && NameMatches(current, pidl, names[i])) taken[(size_t)i] = match = true;
            }
            if (match)
                found.Add(pidl);
            else
                malloc->Free(pidl);
        }
    }
    if (!found.Count()) return false;
    return TrackMenuOf(hOwner, current, found, x, y);
}

void ForwardShellMenuMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (g_pContextMenu2) g_pContextMenu2->HandleMenuMsg(msg, wp, lp);
}
