// CPath: a path text taken apart into drive, directory, title and extension, put back
// together in several forms, and the questions asked of the file it names.
#pragma once

#include "fw/afx.h"

// Selectors of GetFileTime.
enum { CPATH_CREATED = 0, CPATH_ACCESSED = 1, CPATH_MODIFIED = 2 };
// Sources of the integer constructor.
enum { CPATH_COMMAND_LINE = 0, CPATH_MODULE_FILE = 1 };

class CPath {
public:
    // One command-line argument: a switch character and name, and a value.
    class CArgument {
    public:
        CArgument() : m_chSwitch('/') {}
        CArgument(char chSwitch, const char* name, const char* value)
            : m_chSwitch(chSwitch), m_strName(name), m_strValue(value) {}
        virtual ~CArgument() {}

        char GetSwitch() const { return m_chSwitch; }
        const CString& GetName() const { return m_strName; }
        const CString& GetValue() const { return m_strValue; }
        void SetValue(const char* value) { m_strValue = value; }
        // " %c%s" with the switch and name, then a blank and the value (quoted when it
        // holds blanks or could pass for a switch); a value without a name stands alone.
        CString Format() const;

    private:
        char m_chSwitch;
        CString m_strName;
        CString m_strValue;
    };

    CPath();
    CPath(const char* path, BOOL bIsFolder = FALSE, BOOL bHasArguments = FALSE);
    explicit CPath(int nSource);
    CPath(const CPath& other);
    virtual ~CPath();
    CPath& operator=(const CPath& other);
    CPath& operator=(const char* path);

    void SetPath(const char* path, BOOL bIsFolder = FALSE, BOOL bHasArguments = FALSE);

    // The parts.
    const CString& GetDrive() const { return m_strDrive; }
    CString GetDriveLabel() const;
    const CString& GetDirectory() const { return m_strDirectory; }
    int GetDirectoryCount() const;
    CString GetDirectory(int nIndex) const;
    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetExtension() const { return m_strExtension; }
    BOOL IsRelative() const { return m_bRelative; }

    // Composed forms.
    CString GetFileName() const;
    CString GetLocation() const;
    CString GetPath(BOOL bSource = FALSE, BOOL bArguments = FALSE) const;
    CString GetLongPath() const;
    CString GetShortPath() const;
    // From the given folder; empty for a relative path or when the platform finds none.
    CString GetRelativePath(const char* folder) const;
    CString GetCanonicalPath() const;

    BOOL FileExists() const;
    BOOL LocationExists() const;

    // The file itself: FALSE, a zero record, size 0 and the instant 0 when it cannot be read.
    BOOL GetFileInformation();
    BOOL GetFileSize(unsigned __int64& size);
    BOOL GetFileTime(CTime& time, int nSelector);
    const BY_HANDLE_FILE_INFORMATION& GetFileInfo() const { return m_fileInfo; }

    // Arguments split off a command line.
    CString GetArguments() const { return m_strArguments; }
    int GetArgumentCount() const { return m_aArguments.GetSize(); }
    int FindArgument(const char* name) const;  // index, or -1
    const CArgument* GetArgument(int nIndex) const;
    CString GetArgumentValue(int nIndex) const;
    CString GetArgumentValue(const char* name) const;
    void SetArgument(const char* name, const char* value, char chSwitch = '/');

    // The text followed by a backslash ("/" with bForward) whenever it is not empty,
    // whatever its last character.
    static CString AddBackslash(const char* text, BOOL bForward = FALSE);

    // A file time stamp as the instant GetFileTime hands out: 0 for stamps before 1970
    // (a zeroed record among them).
    static CTime FileTimeToInstant(const FILETIME& ft);

private:
    void ClearParts();
    void ParseArguments();
    void FormatArguments();
    void SplitDirectories() const;

    CString m_strSource;
    CString m_strDrive;
    mutable CString m_strDriveLabel;
    mutable CArray<CString> m_aDirectories;
    mutable bool m_bDirectoriesSplit;
    CString m_strDirectory;
    CString m_strTitle;
    CString m_strExtension;
    CString m_strArguments;
    CArray<CArgument> m_aArguments;
    BOOL m_bRelative;
    BY_HANDLE_FILE_INFORMATION m_fileInfo;
    mutable CString m_strFullPath;
};
