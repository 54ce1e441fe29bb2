// The 8-bit string class of the shared library, declared as its reference gives it: CString is
// an instance of the CStringT template over a simple-string base, not a class of its own name.
#pragma once

#ifndef _AFX
#error afxstr.h can only be used in MFC projects. Use atlstr.h
#endif

#include <windows.h>

namespace ATL {

template <typename BaseType, bool t_bMFCDLL>
class CSimpleStringT {
public:
  typedef BaseType XCHAR;
  typedef BaseType* PXSTR;
  typedef const BaseType* PCXSTR;

  int GetLength() const throw();
  bool IsEmpty() const throw();
  void Empty() throw();
  PCXSTR GetString() const throw();
  operator PCXSTR() const throw();
  XCHAR GetAt(int iChar) const;
  XCHAR operator[](int iChar) const;
  PXSTR GetBuffer(int nMinBufferLength);
  PXSTR GetBuffer();
  PXSTR GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);
  void Preallocate(int nLength);
  void Truncate(int nNewLength);
};

template <typename BaseType, class StringTraits>
class CStringT : public CSimpleStringT<BaseType, true> {
public:
  typedef CSimpleStringT<BaseType, true> CThisSimpleString;
  typedef typename CThisSimpleString::XCHAR XCHAR;
  typedef typename CThisSimpleString::PXSTR PXSTR;
  typedef typename CThisSimpleString::PCXSTR PCXSTR;

  CStringT() throw();
  CStringT(const CStringT& strSrc);
  CStringT(PCXSTR pszSrc);
  CStringT(const XCHAR* pch, int nLength);
  CStringT(XCHAR ch, int nLength = 1);
  ~CStringT() throw();

  CStringT& operator=(const CStringT& strSrc);
  CStringT& operator=(PCXSTR pszSrc);
  CStringT& operator+=(const CThisSimpleString& str);
  CStringT& operator+=(PCXSTR pszSrc);
  CStringT& operator+=(XCHAR ch);

  BOOL LoadString(UINT nID);
  BOOL LoadString(HINSTANCE hInstance, UINT nID);
  void __cdecl Format(PCXSTR pszFormat, ...);
  void __cdecl AppendFormat(PCXSTR pszFormat, ...);
  CStringT& Trim();
  int Find(PCXSTR pszSub, int iStart = 0) const throw();
  int Compare(PCXSTR psz) const;
  CStringT Mid(int iFirst, int nCount) const;
  CStringT Mid(int iFirst) const;
};

}  // namespace ATL

template <typename TChar>
class StrTraitMFC_DLL;

typedef ATL::CStringT<char, StrTraitMFC_DLL<char> > CStringA;
// Multi-byte build: TCHAR is char.
typedef CStringA CString;
