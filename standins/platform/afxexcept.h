// The platform's exception objects. Like MFC they are thrown by pointer; the memory exception
// is one static object, so throwing it never needs memory.
#pragma once

#include "afxver.h"

class AFX_API CException {
public:
  virtual ~CException();
  // Frees a heap-allocated exception; the static memory exception ignores it.
  virtual void Delete();
  virtual bool IsAutoDelete() const { return true; }
#ifdef _WIN32
  // The exception's own message into lpszError, cut to fit; FALSE and an empty text when it
  // gives none. The help context of the message is 0.
  virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
  // Shows the own message through AfxMessageBox, else string nMessageID (0: "no error message
  // is available"); nType is the box's (0: MB_OK). Returns the button the user chose.
  virtual int ReportError(UINT nType = 0, UINT nMessageID = 0);
#endif
};

class AFX_API CMemoryException : public CException {
public:
  bool IsAutoDelete() const override { return false; }
  void Delete() override {}
#ifdef _WIN32
  // The platform's "Out of memory.", read into the caller's buffer: reporting needs no memory.
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
#endif
};

// A failure the user was already told about (a refused dialog exchange); it carries nothing.
class AFX_API CUserException : public CException {
public:
  bool IsAutoDelete() const override { return false; }
  void Delete() override {}
};

[[noreturn]] AFX_API void AfxThrowMemoryException();
[[noreturn]] AFX_API void AfxThrowUserException();
