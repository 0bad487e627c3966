// The encoding of a viewed file: decided once from its first bytes, or chosen by the user.
#pragma once

#include <windows.h>

enum VIEWER_ENCODING {
    ENCODING_AUTOMATIC = 0,  // the detected one
    ENCODING_ANSI,           // the system's legacy ANSI code page
    ENCODING_OEM,            // the system's OEM (DOS) code page
    ENCODING_UTF8,
    ENCODING_UTF16LE,
    ENCODING_UTF16BE,
};
const int ENCODING_COUNT = ENCODING_UTF16BE + 1;

// How much of a file's start decides its encoding.
const unsigned ENCODING_SAMPLE_SIZE = 64 * 1024;

// The encoding of a file starting with the n bytes at p: a byte-order mark; else UTF-8 when
// the bytes are valid UTF-8 with at least one multibyte sequence (one cut by the sample's
// end does not count against it); else ANSI. Never ENCODING_AUTOMATIC.
VIEWER_ENCODING DetectEncoding(const BYTE* p, unsigned n);

// Bytes of the byte-order mark of encoding at the start of the n bytes at p (0: none).
unsigned ByteOrderMarkLength(VIEWER_ENCODING encoding, const BYTE* p, unsigned n);

// The code pages of the system locale (not the process's: that may be UTF-8).
UINT SystemAnsiCodePage();
UINT SystemOemCodePage();

// "ANSI", "OEM (DOS)", "UTF-8", "UTF-16 LE", "UTF-16 BE"; "" for ENCODING_AUTOMATIC.
const char* EncodingName(VIEWER_ENCODING encoding);
