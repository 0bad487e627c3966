#include "fw/afx.h"
#include "fw/File.h"

static const size_t kBufferSize = 64 * 1024;

BOOL CFile::Open(const char* path, unsigned flags)
{
    Close();
    DWORD share = (flags & shareDenyWrite) ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE h = ::CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return FALSE;
    m_h.Attach(h);
    m_buf.resize(kBufferSize);
    m_bufStart = 0;
    m_pos = m_end = 0;
    return TRUE;
}

void CFile::Close()
{
    m_h.Close();
    m_bufStart = 0;
    m_pos = m_end = 0;
}

bool CFile::Fill()
{
    if (!m_h.IsValid()) return false;
    m_bufStart += m_end;
    m_pos = m_end = 0;
    DWORD got = 0;
    if (!::ReadFile(m_h, &m_buf[0], (DWORD)m_buf.size(), &got, nullptr)) got = 0;
    m_end = got;
    return got > 0;
}

unsigned CFile::Read(void* buf, unsigned n)
{
    unsigned char* out = (unsigned char*)buf;
    unsigned done = 0;
    while (done < n) {
        if (m_pos < m_end) {
            size_t k = m_end - m_pos;
            if (k > n - done) k = n - done;
            memcpy(out + done, &m_buf[m_pos], k);
            m_pos += k;
            done += (unsigned)k;
        } else if (n - done >= m_buf.size()) {
            // Large reads go straight to the caller's buffer.
            if (!m_h.IsValid()) break;
            m_bufStart += m_end;
            m_pos = m_end = 0;
            DWORD got = 0;
            if (!::ReadFile(m_h, out + done, n - done, &got, nullptr) || got == 0) break;
            m_bufStart += got;
            done += got;
        } else if (!Fill()) {
            break;
        }
    }
    return done;
}

unsigned __int64 CFile::Seek(unsigned __int64 pos)
{
    if (!m_h.IsValid()) return 0;
    if (pos >= m_bufStart && pos <= m_bufStart + m_end) {
        m_pos = (size_t)(pos - m_bufStart);
        return pos;
    }
    LARGE_INTEGER li;
    li.QuadPart = (LONGLONG)pos;
    ::SetFilePointerEx(m_h, li, nullptr, FILE_BEGIN);
    m_bufStart = pos;
    m_pos = m_end = 0;
    return pos;
}

unsigned __int64 CFile::GetLength() const
{
    LARGE_INTEGER li;
    if (!m_h.IsValid() || !::GetFileSizeEx(m_h, &li)) return 0;
    return (unsigned __int64)li.QuadPart;
}
