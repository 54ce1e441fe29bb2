// The core header of the shared library: Windows, the string class and the exception classes
// that reach the module's code.
#pragma once

#include <windows.h>

// The library's headers tell what included its core by this name; afxstr.h refuses to be first.
#define _AFX
#include "afxstr.h"

#ifndef AFXAPI
#  define AFXAPI __stdcall
#endif

class CObject {
public:
  virtual ~CObject() = 0;

protected:
  CObject();
};

class CException : public CObject {
public:
  void Delete();
};

class CMemoryException : public CException {};

class CUserException : public CException {};
