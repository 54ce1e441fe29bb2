// A named variable of a drive's setup; an element only asks whether the drive has it. Only the
// kernel makes variables.
#pragma once

#include "mckernel.h"

class MCK_API CMC_Variable {
public:
  virtual ~CMC_Variable();

protected:
  CMC_Variable();

private:
  CMC_Variable(const CMC_Variable&);
  CMC_Variable& operator=(const CMC_Variable&);
};
