// CFile: a buffered binary read stream over a file, with 64-bit positions.
#pragma once

#include "fw/Handle.h"
#include <vector>

class CFile {
public:
    enum { modeRead = 0, shareDenyWrite = 0x20, shareDenyNone = 0x40 };

    CFile() {}
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(const char* path, unsigned flags = modeRead | shareDenyNone);
    void Close();
    bool IsOpen() const { return m_h.IsValid(); }

    // Bytes actually read; 0 at the end of the file or on a read error.
    unsigned Read(void* buf, unsigned n);
    // One byte, or -1 at the end of the file. Inline: rendering reads byte by byte.
    int ReadByte()
    {
        if (m_pos < m_end) return m_buf[m_pos++];
        if (!Fill()) return -1;
        return m_buf[m_pos++];
    }
    unsigned __int64 Seek(unsigned __int64 pos);  // from the start
    unsigned __int64 GetPosition() const { return m_bufStart + m_pos; }
    unsigned __int64 GetLength() const;

private:
    bool Fill();

    CFileHandle m_h;
    std::vector<unsigned char> m_buf;
    unsigned __int64 m_bufStart = 0;  // file offset of m_buf[0]
    size_t m_pos = 0;                 // read index into m_buf
    size_t m_end = 0;                 // valid bytes in m_buf
};
