// The shell's answers for listed entries (system icon index, attributes such as ghosted),
// asked about each path only where the answer can differ between entries of one kind.
// The shell's look-up of a path takes time in proportion to the size of the folder that
// holds it, so asking it about every entry of a big folder costs time in proportion to the
// square of the folder's size. Entries of one kind (files of one extension, plain folders)
// share one answer, taken from the shell for the first of them.
#pragma once

#include "fw/afx.h"
#include <string>
#include <unordered_map>

// The shell's system small-icon image list. The shell owns it: it is looked up, never
// destroyed, and no wrapper ever owns it. Null until AttachSystemImageList.
extern HIMAGELIST g_systemImageList;
// Looks the list up (once) and returns it.
HIMAGELIST AttachSystemImageList();

class CShellIcons {
public:
    // Forgets the answers: file types may have changed since the last listing.
    static void Clear();
    // What SHGetFileInfoA with SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME gives for
    // fullPath: the icon index and the shell attributes (0 and 0 when it fails).
    static void GetRowInfo(const char* fullPath, const WIN32_FIND_DATAA& fd, int* pIcon, DWORD* pShellAttributes);
    // The small icon and the small open icon of a folder (0 when unknown). fileAttributes are
    // the folder's own as enumerated, or INVALID_FILE_ATTRIBUTES when not at hand.
    static void GetFolderIcons(const char* fullPath, DWORD fileAttributes, int* pImage, int* pSelectedImage);

    // Whether entries of this kind may differ in icon or attributes from others of the kind:
    // hidden or system entries, folders with a custom look (read-only or system), and file
    // types whose icon comes from each file (programs, icons, shortcuts, "%1" icons, handlers).
    static bool IsOwnKind(const char* name, DWORD fileAttributes);

private:
    struct Answer {
        int nIcon;
        DWORD dwAttributes;
        int nOpenIcon;
    };
    static std::unordered_map<std::string, Answer>& Answers();
    static std::string KindOf(const char* name, DWORD fileAttributes);
};
