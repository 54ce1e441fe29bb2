// A named variable of a drive's setup.
#pragma once

#include "mckernel.h"

class MCK_API CMC_Variable {
public:
  explicit CMC_Variable(const char* pszName);
  const CString& GetName() const { return m_name; }

private:
  CString m_name;
};
