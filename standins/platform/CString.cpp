#include "afxstr.h"

#include <cctype>
#include <cstring>
#include <limits>

#include "afxexcept.h"
#include "afxmem.h"

namespace {
struct EmptyString {
  CStringData header;
  char text[1];
};
EmptyString g_empty = {{-1, 0, 0}, {0}};

char* EmptyData() { return g_empty.text; }

// The reference count, interlocked: copies of one buffer are made and dropped on any thread.
// Whoever sees 1 holds the only copy and may write; the release and acquire orders make the
// last writer's text visible to the thread that frees or reuses the buffer.
int RefsOf(const CStringData* d) { return __atomic_load_n(&d->nRefs, __ATOMIC_ACQUIRE); }
void AddRef(CStringData* d) { __atomic_add_fetch(&d->nRefs, 1, __ATOMIC_RELAXED); }
bool DropRef(CStringData* d) { return __atomic_fetch_sub(&d->nRefs, 1, __ATOMIC_ACQ_REL) <= 1; }

int SafeLength(const char* psz) {
  if (psz == nullptr) return 0;
  std::size_t n = std::strlen(psz);
  if (n > static_cast<std::size_t>(std::numeric_limits<int>::max() / 2)) AfxThrowMemoryException();
  return static_cast<int>(n);
}
}  // namespace


CString::CString() : m_pchData(EmptyData()) {}

CString::CString(const CString& src) : m_pchData(EmptyData()) {
  CStringData* d = src.GetData();
  if (RefsOf(d) >= 0) {
    m_pchData = src.m_pchData;
    AddRef(d);
  }
}

CString::CString(CString&& src) noexcept : m_pchData(src.m_pchData) { src.m_pchData = EmptyData(); }

CString::CString(const char* psz) : m_pchData(EmptyData()) { AssignCopy(psz, SafeLength(psz)); }

CString::CString(const char* pch, int nLength) : m_pchData(EmptyData()) {
  AssignCopy(pch, pch == nullptr || nLength < 0 ? 0 : nLength);
}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyData()) {
  if (nRepeat > 0) {
    AllocBuffer(nRepeat);
    std::memset(m_pchData, ch, static_cast<std::size_t>(nRepeat));
  }
}

CString::~CString() { Release(); }

// Inline, as it was before the count was interlocked: the destructor and the assignments run it
// for every string.
inline void CString::Release() {
  CStringData* d = GetData();
  if (RefsOf(d) >= 0 && DropRef(d)) AfxFreeMemory(d);
  m_pchData = EmptyData();
}

void CString::AllocBuffer(int nLength) {
  // Leaves an unshared buffer of nLength characters plus terminator.
  if (nLength <= 0) {
    m_pchData = EmptyData();
    return;
  }
  if (nLength > std::numeric_limits<int>::max() - 64) AfxThrowMemoryException();
  CStringData* d = static_cast<CStringData*>(
      AfxAllocMemory(sizeof(CStringData) + static_cast<std::size_t>(nLength) + 1));
  d->nRefs = 1;
  d->nDataLength = nLength;
  d->nAllocLength = nLength;
  d->data()[nLength] = '\0';
  m_pchData = d->data();
}

void CString::AllocBeforeWrite(int nLength) {
  CStringData* d = GetData();
  int refs = RefsOf(d);
  if (refs > 1 || nLength > d->nAllocLength || refs < 0) {
    // Allocate first: a failure leaves the old text intact.
    CString fresh;
    fresh.AllocBuffer(nLength);
    *this = static_cast<CString&&>(fresh);
  }
}

void CString::AssignCopy(const char* pch, int nLength) {
  if (nLength == 0) {
    Empty();
    return;
  }
  // The source may lie inside our own buffer; copy through a new buffer in that case.
  CStringData* d = GetData();
  bool overlaps = pch >= m_pchData && pch <= m_pchData + d->nDataLength;
  if (overlaps || RefsOf(d) != 1 || nLength > d->nAllocLength) {
    CString fresh;
    fresh.AllocBuffer(nLength);
    std::memcpy(fresh.m_pchData, pch, static_cast<std::size_t>(nLength));
    *this = static_cast<CString&&>(fresh);
    return;
  }
  std::memmove(m_pchData, pch, static_cast<std::size_t>(nLength));
  d->nDataLength = nLength;
  m_pchData[nLength] = '\0';
}

void CString::CopyBeforeWrite() {
  CStringData* d = GetData();
  if (RefsOf(d) > 1) {
    CString fresh;
    fresh.AllocBuffer(d->nDataLength);
    std::memcpy(fresh.m_pchData, m_pchData, static_cast<std::size_t>(d->nDataLength) + 1);
    *this = static_cast<CString&&>(fresh);
  }
}

CString& CString::operator=(const CString& src) {
  if (m_pchData == src.m_pchData) return *this;
  CStringData* s = src.GetData();
  if (RefsOf(s) < 0) {
    Empty();
  } else {
    AddRef(s);
    Release();
    m_pchData = src.m_pchData;
  }
  return *this;
}

CString& CString::operator=(CString&& src) noexcept {
  if (this != &src) {
    Release();
    m_pchData = src.m_pchData;
    src.m_pchData = EmptyData();
  }
  return *this;
}

CString& CString::operator=(const char* psz) {
  AssignCopy(psz, SafeLength(psz));
  return *this;
}

CString& CString::operator=(char ch) {
  AssignCopy(&ch, 1);
  return *this;
}

void CString::Append(const char* pch, int nLength) {
  if (pch == nullptr || nLength <= 0) return;
  CStringData* d = GetData();
  int oldLength = d->nDataLength;
  if (nLength > std::numeric_limits<int>::max() / 2 - oldLength) AfxThrowMemoryException();
  int newLength = oldLength + nLength;
  bool overlaps = pch >= m_pchData && pch <= m_pchData + oldLength;
  bool unshared = RefsOf(d) == 1;
  if (!unshared || newLength > d->nAllocLength || overlaps) {
    // Grow geometrically so that repeated appends stay linear.
    int capacity = newLength;
    if (unshared && newLength > d->nAllocLength) capacity = newLength + newLength / 2;
    CString fresh;
    fresh.AllocBuffer(capacity);
    std::memcpy(fresh.m_pchData, m_pchData, static_cast<std::size_t>(oldLength));
    std::memcpy(fresh.m_pchData + oldLength, pch, static_cast<std::size_t>(nLength));
    fresh.GetData()->nDataLength = newLength;
    fresh.m_pchData[newLength] = '\0';
    *this = static_cast<CString&&>(fresh);
    return;
  }
  std::memcpy(m_pchData + oldLength, pch, static_cast<std::size_t>(nLength));
  d->nDataLength = newLength;
  m_pchData[newLength] = '\0';
}

CString& CString::operator+=(const CString& src) {
  CStringData* s = src.GetData();
  if (s->nDataLength == 0) return *this;
  if (GetData()->nDataLength == 0 && RefsOf(s) >= 0) return *this = src;
  Append(src.m_pchData, src.GetLength());
  return *this;
}

CString& CString::operator+=(const char* psz) {
  Append(psz, SafeLength(psz));
  return *this;
}

CString& CString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}


int CString::GetSpareLength() const {
  CStringData* d = GetData();
  return RefsOf(d) == 1 ? d->nAllocLength - d->nDataLength : 0;
}

void CString::Empty() { Release(); }

void CString::Truncate(int nNewLength) {
  CStringData* d = GetData();
  if (nNewLength < 0) nNewLength = 0;
  if (nNewLength >= d->nDataLength) return;
  if (RefsOf(d) != 1) {
    *this = Left(nNewLength);
    return;
  }
  d->nDataLength = nNewLength;
  m_pchData[nNewLength] = '\0';
}

char CString::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetLength() ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
  if (nIndex < 0 || nIndex >= GetLength()) return;
  CopyBeforeWrite();
  m_pchData[nIndex] = ch;
}

int CString::Compare(const char* psz) const { return std::strcmp(m_pchData, psz ? psz : ""); }

int CString::Find(char ch, int nStart) const {
  if (nStart < 0 || nStart >= GetLength()) return -1;
  const void* p = std::memchr(m_pchData + nStart, ch, static_cast<std::size_t>(GetLength() - nStart));
  return p ? static_cast<int>(static_cast<const char*>(p) - m_pchData) : -1;
}

int CString::Find(const char* pszSub, int nStart) const {
  if (pszSub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
  const char* p = std::strstr(m_pchData + nStart, pszSub);
  return p ? static_cast<int>(p - m_pchData) : -1;
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  int length = GetLength();
  if (nFirst < 0) nFirst = 0;
  if (nFirst > length) nFirst = length;
  if (nCount < 0) nCount = 0;
  if (nCount > length - nFirst) nCount = length - nFirst;
  if (nFirst == 0 && nCount == length) return *this;
  return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  if (nCount < 0) nCount = 0;
  int length = GetLength();
  return nCount >= length ? *this : Mid(length - nCount, nCount);
}

CString& CString::TrimLeft() {
  int i = 0, length = GetLength();
  while (i < length && std::isspace(static_cast<unsigned char>(m_pchData[i]))) ++i;
  if (i > 0) *this = Mid(i);
  return *this;
}

CString& CString::TrimRight() {
  int length = GetLength(), end = length;
  while (end > 0 && std::isspace(static_cast<unsigned char>(m_pchData[end - 1]))) --end;
  if (end < length) *this = Left(end);
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

char* CString::GetBuffer(int nMinBufLength) {
  CStringData* d = GetData();
  if (nMinBufLength < 0) nMinBufLength = 0;
  if (RefsOf(d) != 1 || nMinBufLength > d->nAllocLength) {
    int oldLength = d->nDataLength;
    int capacity = nMinBufLength > oldLength ? nMinBufLength : oldLength;
    if (capacity == 0) capacity = 1;
    CString fresh;
    fresh.AllocBuffer(capacity);
    std::memcpy(fresh.m_pchData, m_pchData, static_cast<std::size_t>(oldLength) + 1);
    fresh.GetData()->nDataLength = oldLength;
    *this = static_cast<CString&&>(fresh);
  }
  return m_pchData;
}

char* CString::GetBufferSetLength(int nNewLength) {
  GetBuffer(nNewLength);
  if (m_pchData != EmptyData()) {
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
  }
  return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
  if (m_pchData == EmptyData()) return;
  CStringData* d = GetData();
  if (nNewLength < 0) nNewLength = static_cast<int>(strnlen(m_pchData, static_cast<std::size_t>(d->nAllocLength)));
  if (nNewLength > d->nAllocLength) nNewLength = d->nAllocLength;
  if (d->nRefs != 1) {
    // A copy taken since GetBuffer shares the buffer: the new length is this string's alone.
    CString fresh;
    fresh.AllocBuffer(nNewLength);
    std::memcpy(fresh.m_pchData, m_pchData, static_cast<std::size_t>(nNewLength));
    *this = static_cast<CString&&>(fresh);
    return;
  }
  d->nDataLength = nNewLength;
  m_pchData[nNewLength] = '\0';
}

void CString::Preallocate(int nLength) {
  CStringData* d = GetData();
  if (RefsOf(d) == 1 && d->nAllocLength >= nLength) return;  // room enough already
  int length = d->nDataLength;
  GetBuffer(nLength);
  ReleaseBuffer(length);
}

CString operator+(const CString& a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const CString& a, const char* b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const char* a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const CString& a, char b) {
  CString r(a);
  r += b;
  return r;
}
