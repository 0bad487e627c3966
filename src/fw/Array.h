// CArray: a growable array with the framework's interface. With ARG_TYPE = TYPE&& it holds
// owners that can only be moved (CArray<CChangeHandle, CChangeHandle&&>).
#pragma once

#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    int GetSize() const { return (int)m_v.size(); }
    int GetCount() const { return (int)m_v.size(); }
    int GetUpperBound() const { return (int)m_v.size() - 1; }
    bool IsEmpty() const { return m_v.empty(); }
    void SetSize(int n) { m_v.resize(n > 0 ? (size_t)n : 0); }
    int Add(ARG_TYPE e) { m_v.push_back(std::forward<ARG_TYPE>(e)); return (int)m_v.size() - 1; }
    void InsertAt(int i, ARG_TYPE e) { m_v.insert(m_v.begin() + i, std::forward<ARG_TYPE>(e)); }
    void RemoveAt(int i, int n = 1) { m_v.erase(m_v.begin() + i, m_v.begin() + i + n); }
    void RemoveAll() { m_v.clear(); }
    TYPE& ElementAt(int i) { return m_v[(size_t)i]; }
    const TYPE& GetAt(int i) const { return m_v[(size_t)i]; }
    void SetAt(int i, ARG_TYPE e) { m_v[(size_t)i] = std::forward<ARG_TYPE>(e); }
    TYPE& operator[](int i) { return m_v[(size_t)i]; }
    const TYPE& operator[](int i) const { return m_v[(size_t)i]; }
    TYPE* GetData() { return m_v.empty() ? nullptr : &m_v[0]; }

private:
    std::vector<TYPE> m_v;
};
