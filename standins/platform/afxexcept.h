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
};

class AFX_API CMemoryException : public CException {
public:
  bool IsAutoDelete() const override { return false; }
  void Delete() override {}
};

// A failure the user was already told about (a refused dialog exchange); it carries nothing.
class AFX_API CUserException : public CException {
public:
  bool IsAutoDelete() const override { return false; }
  void Delete() override {}
};

[[noreturn]] AFX_API void AfxThrowMemoryException();
[[noreturn]] AFX_API void AfxThrowUserException();
