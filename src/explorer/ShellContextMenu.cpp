#include "explorer/ShellContextMenu.h"
#include "explorer/ShellMenuOwner.h"
#include "util/PathText.h"
#include <vector>

namespace {

// Absolute item ids from the shell, freed when the list goes.
class CItemIds {
public:
    CItemIds() {}
    ~CItemIds()
    {
        for (PIDLIST_ABSOLUTE p : m_ids) ::CoTaskMemFree(p);
    }
    CItemIds(const CItemIds&) = delete;
    CItemIds& operator=(const CItemIds&) = delete;
    void Add(PIDLIST_ABSOLUTE p) { m_ids.push_back(p); }

private:
    std::vector<PIDLIST_ABSOLUTE> m_ids;
};

// The item id of a path in the shell's namespace, or null when the shell does not know it.
PIDLIST_ABSOLUTE ParsePath(const CString& path)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    if (n <= 0) return nullptr;
    std::vector<wchar_t> wide((size_t)n);
    if (::MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), n) <= 0) return nullptr;
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(::SHParseDisplayName(wide.data(), nullptr, &pidl, 0, nullptr))) return nullptr;
    return pidl;
}

}  // namespace

bool TrackShellContextMenu(HWND hOwner, const CString& strFolder, const CArray<CString>& names, int x, int y)
{
    // Every entry's id, relative to the folder that holds the first one found.
    CItemIds owned;
    CComPtr<IShellFolder> parent;
    std::vector<PCUITEMID_CHILD> children;
    for (int i = 0; i < names.GetSize(); i++) {
        if (names[i].IsEmpty()) continue;
        PIDLIST_ABSOLUTE pidl = ParsePath(strFolder.IsEmpty() ? names[i] : JoinPath(strFolder, names[i]));
        if (!pidl) continue;
        owned.Add(pidl);
        CComPtr<IShellFolder> folder;
        PCUITEMID_CHILD child = nullptr;
        if (FAILED(::SHBindToParent(pidl, IID_IShellFolder, (void**)folder.Receive(), &child)) || !folder) continue;
        if (!parent) parent.Attach(folder.Detach());
        children.push_back(child);
    }
    if (children.empty()) return false;
    CComPtr<IContextMenu> menu;
    if (FAILED(parent->GetUIObjectOf(hOwner, (UINT)children.size(), children.data(), IID_IContextMenu, nullptr,
                                     (void**)menu.Receive())) ||
        !menu)
        return false;
    return CShellMenuOwner::TrackMenu(menu.Get(), hOwner, x, y);
}
