// The arguments CPath splits off a command line.
#include "fw/afx.h"
#include "util/Path.h"

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

static CString Quoted(const CString& value)
{
    bool needed = value.IsEmpty() || value[0] == '/' || value[0] == '-' || value.Find(' ') >= 0 ||
                  value.Find('\t') >= 0;
    return needed ? "\"" + value + "\"" : value;
}

CString CPath::CArgument::Format() const
{
    CString s;
    if (!m_strName.IsEmpty()) {
        s.Format(" %c%s", m_chSwitch, m_strName.c_str());
        if (!m_strValue.IsEmpty()) s += " " + Quoted(m_strValue);
    } else {
        s = " " + Quoted(m_strValue);
    }
    return s;
}

// Switches begin with "/" or "-"; the word after a switch is its value unless it is a
// switch itself; a word with no switch before it is a value without a name.
void CPath::ParseArguments()
{
    m_aArguments.RemoveAll();
    const char* p = m_strArguments;
    int pending = -1;
    for (;;) {
        while (IsBlank(*p)) p++;
        if (!*p) break;
        CString word;
        bool quoted = *p == '"';
        if (quoted) {
            const char* end = strchr(p + 1, '"');
            if (!end) end = p + strlen(p);
            word = CString(p + 1, (int)(end - p - 1));
            p = *end ? end + 1 : end;
        } else {
            const char* end = p;
            while (*end && !IsBlank(*end)) end = (const char*)_mbsinc((const unsigned char*)end);
            word = CString(p, (int)(end - p));
            p = end;
        }
        if (!quoted && word.GetLength() > 1 && (word[0] == '/' || word[0] == '-')) {
            pending = m_aArguments.Add(CArgument(word[0], word.Mid(1), ""));
        } else if (pending >= 0) {
            m_aArguments[pending].SetValue(word);
            pending = -1;
        } else {
            m_aArguments.Add(CArgument('/', "", word));
        }
    }
}

void CPath::FormatArguments()
{
    CString s;
    for (int i = 0; i < m_aArguments.GetSize(); i++) s += m_aArguments[i].Format();
    m_strArguments = s.Mid(1);
}

int CPath::FindArgument(const char* name) const
{
    if (!name || !*name) return -1;
    for (int i = 0; i < m_aArguments.GetSize(); i++)
        if (!m_aArguments[i].GetName().IsEmpty() && m_aArguments[i].GetName().CompareNoCase(name) == 0) return i;
    return -1;
}

const CPath::CArgument* CPath::GetArgument(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_aArguments.GetSize()) return nullptr;
    return &m_aArguments[nIndex];
}

CString CPath::GetArgumentValue(int nIndex) const
{
    const CArgument* arg = GetArgument(nIndex);
    return arg ? arg->GetValue() : CString();
}

CString CPath::GetArgumentValue(const char* name) const { return GetArgumentValue(FindArgument(name)); }

void CPath::SetArgument(const char* name, const char* value, char chSwitch)
{
    int i = FindArgument(name);
    if (i >= 0)
        m_aArguments[i].SetValue(value);
    else
        m_aArguments.Add(CArgument(chSwitch, name, value));
    FormatArguments();
}
