// Turns the bytes of a viewed file into the UTF-16 characters the text control shows, in the
// file's encoding, never cutting a character: callers ask where characters end and hand over
// whole ones.
#pragma once

#include "viewer/TextEncoding.h"

// The UTF-8 sequence at p: its length when valid and whole, 1 when p[0] is a bad byte (shown
// as U+FFFD on its own), 0 when the avail bytes are a valid start cut short.
unsigned Utf8SequenceLength(const BYTE* p, unsigned avail);

// Bytes below 0x20 but TAB, LF and CR become '.', in place.
void DotControlBytes(BYTE* buf, unsigned n);

class CTextDecoder {
public:
    // encoding: not ENCODING_AUTOMATIC (taken as ANSI).
    explicit CTextDecoder(VIEWER_ENCODING encoding = ENCODING_ANSI);

    VIEWER_ENCODING Encoding() const { return m_encoding; }
    // The code page of a legacy encoding; 0 for UTF-8 and UTF-16.
    UINT CodePage() const { return m_cp; }

    // Bytes of the character at p; 0 when the avail bytes hold only its start.
    unsigned CharLength(const BYTE* p, unsigned avail) const;
    // '\r' or '\n' when the character at p (len bytes) is that line end, else 0.
    wchar_t LineEndAt(const BYTE* p, unsigned len) const;
    // Decodes the n bytes at p (whole characters; the last may be cut by the file's end) into
    // out, which has room for n units: control characters but TAB, LF and CR as '.', a CR
    // followed by a CR (in p[n..n+after) too) as LF, bad bytes and unpaired surrogates as
    // U+FFFD. May change the bytes at p. Returns the units written.
    unsigned Decode(BYTE* p, unsigned n, unsigned after, wchar_t* out) const;
    // How many of the nAhead bytes at ahead finish a character that begins in the nBack bytes
    // just before them (0 when a character begins at ahead).
    unsigned StraddlingBytes(const BYTE* back, unsigned nBack, const BYTE* ahead, unsigned nAhead) const;

private:
    unsigned Unit(const BYTE* p) const
    {
        return m_encoding == ENCODING_UTF16BE ? (unsigned)p[0] << 8 | p[1] : (unsigned)p[1] << 8 | p[0];
    }
    bool IsUtf16() const { return m_encoding == ENCODING_UTF16LE || m_encoding == ENCODING_UTF16BE; }

    VIEWER_ENCODING m_encoding;
    UINT m_cp = 0;
    bool m_bDoubleByte = false;
    bool m_lead[256] = {};  // lead bytes of a double-byte code page
};
