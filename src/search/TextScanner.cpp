#include "fw/afx.h"
#include "search/TextScanner.h"
#include <mbctype.h>
#include <stdint.h>
#include <vector>

extern "C" _CRTIMP errno_t __cdecl _mbsupr_s(unsigned char* str, size_t size);

// Blocks read per system call; the chunks are walked inside them.
static const DWORD kBlock = 256 * 1024;

CTextScanner::CTextScanner(const char* text, TENCHUNKSPROC pfnTenChunks, void* pContext)
    : m_text(text ? text : ""), m_nChunk(0), m_bBytewise(false), m_pfnTenChunks(pfnTenChunks),
      m_pContext(pContext), m_nNotified(0)
{
    std::string original = m_text;
    if (!m_text.empty()) _mbsupr_s((unsigned char*)&m_text[0], m_text.size() + 1);
    m_text.resize(strlen(m_text.c_str()));
    size_t L = m_text.size();
    size_t N = L * 2 > 128 ? L * 2 : 128;
    m_nChunk = (unsigned)(N - L);
    m_bBytewise = !m_text.empty() && PrepareBytewise(original);
}

// In a code page without double-byte characters the chunk rules act on each byte alone,
// so the file can be searched as one stream: L blanks, then its bytes without NULs, each
// upper-cased. That holds only when upper-casing maps every byte on its own, never to NUL,
// and twice gives the same as once (the overlap is upper-cased again with each chunk).
bool CTextScanner::PrepareBytewise(const std::string& original)
{
    for (unsigned b = 1; b < 256; b++)
        if (_ismbblead(b)) return false;
    m_tab[0] = 0;
    for (unsigned b = 1; b < 256; b++) {
        unsigned char s[2] = {(unsigned char)b, 0};
        _mbsupr_s(s, sizeof s);
        if (s[0] == 0) return false;
        m_tab[b] = s[0];
    }
    for (unsigned b = 0; b < 256; b++)
        if (m_tab[m_tab[b]] != m_tab[b]) return false;
    if (original.size() != m_text.size()) return false;
    for (size_t i = 0; i < original.size(); i++)
        if (m_tab[(unsigned char)original[i]] != (unsigned char)m_text[i]) return false;

    // Horspool shifts, by the upper-cased value of the byte under the text's last position.
    size_t L = m_text.size();
    size_t last[256];
    for (unsigned c = 0; c < 256; c++) last[c] = L;
    for (size_t i = 0; i + 1 < L; i++) last[(unsigned char)m_text[i]] = L - 1 - i;
    for (unsigned b = 0; b < 256; b++) m_skip[b] = (unsigned)last[m_tab[b]];
    return true;
}

BOOL CTextScanner::Contains(HANDLE hFile)
{
    m_nNotified = 0;
    if (m_text.empty()) return FALSE;
    return m_bBytewise ? ScanBytewise(hFile) : ScanChunkwise(hFile);
}

void CTextScanner::ChunksDone(unsigned __int64 nTotal)
{
    while (m_nNotified + 10 <= nTotal) {
        m_nNotified += 10;
        if (m_pfnTenChunks) m_pfnTenChunks(m_pContext);
    }
}

// Fills the block; fewer bytes than asked only at the end of the file.
static bool ReadBlock(HANDLE h, unsigned char* buf, DWORD size, DWORD& got)
{
    got = 0;
    while (got < size) {
        DWORD n = 0;
        if (!::ReadFile(h, buf + got, size - got, &n, nullptr)) return false;
        if (n == 0) break;
        got += n;
    }
    return true;
}

static bool HasNul(const unsigned char* p, size_t n)
{
    size_t i = 0;
    for (; i < n && ((uintptr_t)(p + i) & 3); i++)
        if (!p[i]) return true;
    for (; i + 16 <= n; i += 16) {
        const uint32_t* w = (const uint32_t*)(p + i);
        uint32_t t = ((w[0] - 0x01010101u) & ~w[0]) | ((w[1] - 0x01010101u) & ~w[1]) |
                     ((w[2] - 0x01010101u) & ~w[2]) | ((w[3] - 0x01010101u) & ~w[3]);
        if (t & 0x80808080u) return true;
    }
    for (; i < n; i++)
        if (!p[i]) return true;
    return false;
}

static size_t RemoveNuls(const unsigned char* in, size_t n, unsigned char* out)
{
    size_t j = 0;
    for (size_t i = 0; i < n; i++) {
        out[j] = in[i];
        j += in[i] != 0;
    }
    return j;
}

// The offset in the block of its k-th byte that is not NUL.
static size_t RawIndex(const unsigned char* raw, size_t k)
{
    size_t i = 0;
    for (;; i++)
        if (raw[i] && k-- == 0) return i;
}

long CTextScanner::Find(const unsigned char* data, size_t n) const
{
    const size_t L = m_text.size();
    if (n < L) return -1;
    const unsigned char* t = (const unsigned char*)m_text.data();
    const unsigned char lastByte = t[L - 1];
    size_t i = 0;
    while (i + L <= n) {
        unsigned char c = data[i + L - 1];
        if (m_tab[c] == lastByte) {
            size_t k = 0;
            while (k + 1 < L && m_tab[data[i + k]] == t[k]) k++;
            if (k + 1 >= L) return (long)i;
        }
        i += m_skip[c];
    }
    return -1;
}

BOOL CTextScanner::ScanBytewise(HANDLE hFile)
{
    const size_t L = m_text.size();
    std::vector<unsigned char> raw(kBlock), packed(kBlock), seam(2 * L);
    // The bytes before the block that a match may start in: L blanks at first, then the
    // last L - 1 bytes seen.
    std::vector<unsigned char> carry(L, ' ');
    unsigned __int64 offset = 0;
    for (;;) {
        if (Stopped()) return FALSE;
        DWORD got = 0;
        if (!ReadBlock(hFile, raw.data(), kBlock, got)) return FALSE;
        const unsigned char* data = raw.data();
        size_t n = got;
        bool hasNul = HasNul(data, n);
        if (hasNul) {
            n = RemoveNuls(data, n, packed.data());
            data = packed.data();
        }

        size_t head = n < L - 1 ? n : L - 1;
        memcpy(seam.data(), carry.data(), carry.size());
        memcpy(seam.data() + carry.size(), data, head);
        long end = -1;  // index in data of the first match's last byte; -2 inside the blanks
        long hit = Find(seam.data(), carry.size() + head);
        if (hit >= 0) {
            long last = hit + (long)L - 1;
            end = last < (long)carry.size() ? -2 : last - (long)carry.size();
        } else if ((hit = Find(data, n)) >= 0) {
            end = hit + (long)L - 1;
        }
        if (end != -1) {
            unsigned __int64 chunk = 0;
            if (end >= 0) chunk = (offset + (hasNul ? RawIndex(raw.data(), (size_t)end) : (size_t)end)) / m_nChunk;
            ChunksDone(chunk + 1);
            return TRUE;
        }

        offset += got;
        if (got < kBlock) {
            // The last chunk is the one whose read came back short, perhaps empty.
            ChunksDone(offset / m_nChunk + 1);
            return FALSE;
        }
        ChunksDone(offset / m_nChunk);

        if (n >= L - 1) {
            carry.assign(data + n - (L - 1), data + n);
        } else {
            std::vector<unsigned char> joined(carry);
            joined.insert(joined.end(), data, data + n);
            carry.assign(joined.end() - (L - 1), joined.end());
        }
    }
}

// The chunk rules as they stand, for code pages with double-byte characters: a lead byte
// keeps its trail byte through the NUL removal and the upper-casing.
BOOL CTextScanner::ScanChunkwise(HANDLE hFile)
{
    const size_t L = m_text.size();
    const size_t R = m_nChunk;
    std::vector<unsigned char> buf(L + R + 1);
    memset(buf.data(), ' ', L);
    std::vector<unsigned char> block(kBlock);
    DWORD blockSize = 0, blockPos = 0;
    bool atEnd = false;
    unsigned __int64 chunks = 0;
    for (;;) {
        // Up to R bytes after the overlap, served from the block.
        size_t got = 0;
        while (got < R) {
            if (blockPos == blockSize) {
                if (atEnd) break;
                if (Stopped()) return FALSE;
                if (!ReadBlock(hFile, block.data(), kBlock, blockSize)) return FALSE;
                blockPos = 0;
                if (blockSize < kBlock) atEnd = true;
                if (blockSize == 0) break;
            }
            size_t k = blockSize - blockPos;
            if (k > R - got) k = R - got;
            memcpy(buf.data() + L + got, block.data() + blockPos, k);
            blockPos += (DWORD)k;
            got += k;
        }

        unsigned char* end = buf.data() + L + got;
        size_t m = 0;
        for (unsigned char* p = buf.data(); p < end;) {
            if (!*p) {
                p++;
                continue;
            }
            unsigned char* next = _mbsinc(p);
            if (next > end) next = end;
            while (p < next) buf[m++] = *p++;
        }
        buf[m] = 0;
        _mbsupr_s(buf.data(), m + 1);
        bool found = _mbsstr(buf.data(), (const unsigned char*)m_text.c_str()) != nullptr;
        ChunksDone(++chunks);
        if (found) return TRUE;
        if (got < R) return FALSE;

        // The next overlap: the last L bytes searched, blanks in front if fewer remain.
        if (m >= L) {
            memmove(buf.data(), buf.data() + m - L, L);
        } else {
            memmove(buf.data() + L - m, buf.data(), m);
            memset(buf.data(), ' ', L - m);
        }
    }
}
