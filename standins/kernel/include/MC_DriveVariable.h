// A variable of one of this kernel's drives: a name.
#pragma once

#include "MC_Variable.h"

class MCK_API CMC_DriveVariable : public CMC_Variable {
public:
  explicit CMC_DriveVariable(const char* pszName);
  ~CMC_DriveVariable() override;

  const CString& GetName() const { return m_name; }

private:
  CString m_name;
};
