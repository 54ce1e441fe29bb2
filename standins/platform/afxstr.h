// CString: the platform's 8-bit character string. Copies share one reference-counted buffer
// until one of them is written to.
#pragma once

#include <cstdarg>

#include "afxver.h"

#ifdef _WIN32
// As the Windows headers declare it, so that either may come first.
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
#endif

// Header in front of every string buffer. nRefs -1 marks the shared empty string, which is
// never freed or written. Copies of one string may live on several threads, so the count is
// only ever changed by interlocked operations.
struct CStringData {
  int nRefs;
  int nDataLength;
  int nAllocLength;
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFX_API CString {
public:
  CString();
  CString(const CString& src);
  CString(CString&& src) noexcept;
  CString(const char* psz);
  CString(const char* pch, int nLength);
  CString(char ch, int nRepeat = 1);
  ~CString();

  CString& operator=(const CString& src);
  CString& operator=(CString&& src) noexcept;
  CString& operator=(const char* psz);
  CString& operator=(char ch);

  CString& operator+=(const CString& src);
  CString& operator+=(const char* psz);
  CString& operator+=(char ch);
  void Append(const char* pch, int nLength);

  int GetLength() const { return GetData()->nDataLength; }
  bool IsEmpty() const { return GetLength() == 0; }
  void Empty();
  // Shortens the text to nNewLength characters, keeping its buffer when no other string shares it,
  // so that text built again into it needs no new allocation.
  void Truncate(int nNewLength);

  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);
  operator const char*() const { return m_pchData; }
  const char* GetString() const { return m_pchData; }

  int Compare(const char* psz) const;

  int Find(char ch, int nStart = 0) const;
  int Find(const char* pszSub, int nStart = 0) const;
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim();

  // printf formatting with the platform's rules: "l" means 32 bits, as on Windows.
  void Format(const char* pszFormat, ...);
  void Format(UINT nFormatID, ...);
  void FormatV(const char* pszFormat, va_list args);
  void AppendFormat(const char* pszFormat, ...);
  void AppendFormatV(const char* pszFormat, va_list args);

  // Replaces the text with string resource nID; returns FALSE (text unchanged) when absent.
  BOOL LoadString(UINT nID);
#ifdef _WIN32
  // The same from the string table of that module alone, whatever the chain holds.
  BOOL LoadString(HINSTANCE hInstance, UINT nID);
#endif

  // Direct access for APIs that write into a character buffer.
  char* GetBuffer(int nMinBufLength);
  char* GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);
  void Preallocate(int nLength);

private:
  CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
  void Release();
  void AllocBuffer(int nLength);
  void CopyBeforeWrite();
  void AllocBeforeWrite(int nLength);
  void AssignCopy(const char* pch, int nLength);
  // Room for more characters in an unshared buffer without growing it; 0 when shared.
  int GetSpareLength() const;

  char* m_pchData;
};

AFX_API CString operator+(const CString& a, const CString& b);
AFX_API CString operator+(const CString& a, const char* b);
AFX_API CString operator+(const char* a, const CString& b);
AFX_API CString operator+(const CString& a, char b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
