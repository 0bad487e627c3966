#include "viewer/SectionRenderer.h"
#include "viewer/ViewerState.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

// "%06X": at least six upper-case digits; larger offsets simply take more.
char* PutOffset(char* p, unsigned __int64 v)
{
    char tmp[16];
    int n = 0;
    do {
        tmp[n++] = kHex[v & 15];
        v >>= 4;
    } while (v);
    while (n < 6) tmp[n++] = '0';
    while (n) *p++ = tmp[--n];
    return p;
}

LONG StreamText(LPBYTE buf, unsigned n)
{
    unsigned got = g_viewedFile.Read(buf, n);
    g_nSectionLeft -= got;
    for (unsigned i = 0; i < got; i++) {
        BYTE b = buf[i];
        if (b < 0x20 && b != 0x09 && b != 0x0A && b != 0x0D) buf[i] = '.';
    }
    return (LONG)got;
}

LONG StreamHex(LPBYTE buf, LONG cb, unsigned n)
{
    memset(buf, 0, (size_t)cb);
    unsigned __int64 pos = g_viewedFile.GetPosition();
    if (pos >= g_nFileLength) return 0;
    unsigned __int64 m64 = g_nFileLength - pos;
    unsigned m = n;
    if (m64 < m) m = (unsigned)m64;
    if (m > HEX_CHUNK_LIMIT) m = HEX_CHUNK_LIMIT;

    char* p = (char*)buf;
    for (unsigned done = 0; done < m;) {
        unsigned c = m - done < 16 ? m - done : 16;
        // A line needs at most 16 + 2 + 48 + 1 + 1 + 16 + 2 characters; stop short rather than overflow.
        if ((char*)buf + cb - p < 96) break;
        p = PutOffset(p, g_viewedFile.GetPosition());
        *p++ = ' ';
        *p++ = ' ';
        char chars[16];
        unsigned k = 0;
        for (; k < c; k++) {
            int b = g_viewedFile.ReadByte();
            if (b < 0) break;  // the copy shrank under us: end the line here
            g_nSectionLeft--;
            *p++ = kHex[b >> 4];
            *p++ = kHex[b & 15];
            *p++ = ' ';
            if (k == 7) *p++ = ' ';
            chars[k] = b >= 0x20 ? (char)b : '.';
        }
        for (unsigned j = k; j < 16; j++) {
            *p++ = ' ';
            *p++ = ' ';
            *p++ = ' ';
        }
        *p++ = '\t';
        memcpy(p, chars, k);
        p += k;
        *p++ = '\r';
        *p++ = '\n';
        if (k < c) break;
        done += c;
    }
    return (LONG)(p - (char*)buf);
}

}  // namespace

DWORD CALLBACK StreamSectionChunk(DWORD_PTR, LPBYTE buf, LONG cb, LONG* pcb)
{
    *pcb = 0;
    if (cb <= 0) return 0;
    unsigned n = g_nSectionLeft < (unsigned)cb ? g_nSectionLeft : (unsigned)cb;
    if (n == 0) return 0;
    *pcb = g_bHexMode ? StreamHex(buf, cb, n) : StreamText(buf, n);
    return 0;
}
