// CTextScanner: the search engine's content test. The file is taken in chunks of R bytes,
// each searched together with the last L bytes (L = the text's length) of the chunk before
// it, the first one after L blanks; NUL bytes are removed and letters upper-cased with the
// 8-bit code page's rules before the search. N = max(128, 2L) and R = N - L.
#pragma once

#include "fw/afx.h"
#include <string>

class CTextScanner {
public:
    typedef void (*TENCHUNKSPROC)(void* pContext);

    // pfnTenChunks runs after every tenth chunk of a file (chunks 10, 20, ...).
    CTextScanner(const char* text, TENCHUNKSPROC pfnTenChunks, void* pContext);

    // Reads the open file to its end or to the chunk that holds the first match.
    // FALSE for an empty text, when a read fails and when the search was stopped.
    BOOL Contains(HANDLE hFile);
    // A flag that, once set, ends the scan before its next block: a huge file must not
    // keep a cancelled search waiting.
    void SetStopFlag(const BOOL* pStop) { m_pStop = pStop; }

    unsigned GetChunkSize() const { return m_nChunk; }

private:
    bool PrepareBytewise(const std::string& original);
    BOOL ScanBytewise(HANDLE hFile);
    BOOL ScanChunkwise(HANDLE hFile);
    long Find(const unsigned char* data, size_t n) const;
    void ChunksDone(unsigned __int64 nTotal);

    std::string m_text;  // upper-cased
    unsigned m_nChunk;   // R
    bool m_bBytewise;
    unsigned char m_tab[256];
    unsigned m_skip[256];
    TENCHUNKSPROC m_pfnTenChunks;
    void* m_pContext;
    unsigned __int64 m_nNotified;
    const BOOL* m_pStop = nullptr;

    bool Stopped() const { return m_pStop && *m_pStop; }
};
