#include "explorer/NameIndex.h"

void CNameIndex::Add(const char* name)
{
    ++m_names[Fold(name)];
    ++m_nRows;
}

void CNameIndex::Remove(const char* name)
{
    auto it = m_names.find(Fold(name));
    if (it == m_names.end()) return;
    if (--it->second <= 0) m_names.erase(it);
    --m_nRows;
}

bool CNameIndex::Contains(const char* name) const { return m_names.count(Fold(name)) != 0; }

namespace {
// Lower case of every single-byte character in the ANSI code page, made once.
struct LowerTable {
    unsigned char map[256];
    LowerTable()
    {
        for (int c = 0; c < 256; c++) {
            char ch = (char)c;
            if (c && !::IsDBCSLeadByte((BYTE)c)) ::CharLowerBuffA(&ch, 1);
            map[c] = (unsigned char)ch;
        }
    }
};
const LowerTable& Lower()
{
    static const LowerTable table;
    return table;
}

// The folded value of the character at p and its length in bytes.
unsigned FoldedChar(const unsigned char* p, int* pLength)
{
    if (::IsDBCSLeadByte(*p) && p[1]) {
        char pair[3] = {(char)p[0], (char)p[1], 0};
        ::CharUpperBuffA(pair, 2);
        *pLength = 2;
        return ((unsigned)(unsigned char)pair[0] << 8) | (unsigned char)pair[1];
    }
    *pLength = 1;
    return Lower().map[*p];
}
}  // namespace

std::string CNameIndex::Fold(const char* name)
{
    // The folded values of Compare, written out: two names get one key exactly when they
    // compare equal.
    std::string key;
    const unsigned char* p = (const unsigned char*)(name ? name : "");
    key.reserve(strlen((const char*)p));
    while (*p) {
        int n = 1;
        unsigned c = FoldedChar(p, &n);
        if (n == 2) key += (char)(c >> 8);
        key += (char)(c & 0xFF);
        p += n;
    }
    return key;
}

int CNameIndex::Compare(const char* a, const char* b)
{
    const unsigned char* p = (const unsigned char*)(a ? a : "");
    const unsigned char* q = (const unsigned char*)(b ? b : "");
    while (*p && *q) {
        int lp = 1, lq = 1;
        unsigned cp = FoldedChar(p, &lp), cq = FoldedChar(q, &lq);
        if (cp != cq) return cp < cq ? -1 : 1;
        p += lp;
        q += lq;
    }
    if (*p) return 1;
    if (*q) return -1;
    return 0;
}
